// Console diagnostics: the bell, the error reports of graph set-up, a numbered text menu.
#pragma once

constexpr int menu_item_size = 53;

void ring_bell();
void report_error(int code);
int text_menu(const char (*items)[menu_item_size], int count);
