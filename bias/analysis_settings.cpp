// The settings record of a run: the one global instance and fresh zero-filled records.
#include "bias/analysis_settings.h"

// Written by the run at the start of every paint (and colour before each curve), and by the
// plot engine's write-backs; zero-filled at program start as every global.
AnalysisSettings analysis;

// Value-initialisation zero-fills every number and every text of the record.
AnalysisSettings* new_settings() {
    return new AnalysisSettings();
}
