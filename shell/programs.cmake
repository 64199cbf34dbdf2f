# The shell library (entry, window procedure, snapshot) and the two programs. Each program
# links its own run and model switch; everything else is shared.
lunkaro_sjis_sources(shell_sources ${shell_sources})
add_library(shell STATIC ${shell_sources})
target_include_directories(shell PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(shell PRIVATE ${LUNKARO_SJIS_FLAGS})
target_link_libraries(shell PUBLIC bias plot graph diag draw platform)

if(LUNKARO_WINDOW)
  foreach(program Lunkaro4 Lunkaro5)
    string(TOLOWER ${program} variant)
    add_executable(${program} ${CMAKE_CURRENT_SOURCE_DIR}/main/program_main.cpp)
    target_compile_definitions(${program} PRIVATE LUNKARO_PROGRAM_NAME="${program}")
    target_link_libraries(${program} PRIVATE shell bias_${variant} bias plot graph diag draw
      platform_sdl platform)
    # The C++ runtime linked in as well (not under the sanitizers, whose runtimes want the
    # shared one): the programs then load only the C library at start.
    if(NOT LUNKARO_SANITIZE)
      target_link_options(${program} PRIVATE -static-libstdc++ -static-libgcc)
    endif()
    install(TARGETS ${program} RUNTIME DESTINATION bin)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/desktop/${variant}.desktop
      DESTINATION share/applications)
  endforeach()
endif()
