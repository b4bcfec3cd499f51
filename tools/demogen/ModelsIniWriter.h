#pragma once

#include "DemoPlan.h"

class OutputTree;

// Writes EEP's model index "Categories\Models.ini": one section per category
// that has models (in category order), then the sections no category uses;
// in each section the entries File1, File2, ... with the gsb paths relative
// to Resourcen, beginning with a backslash as in EEP's own index (the form
// the program's directory scans produce, so that they find the sections).
class ModelsIniWriter {
public:
    static void Write(const DemoPlan& plan, OutputTree& out);
    // The entry value of a model: a backslash and its path, with the directory
    // in lower case for some models, as EEP's own index often has it.
    static QString EntryValue(const PlannedModel& model);
};
