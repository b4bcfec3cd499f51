#include "startup/ModuleState.h"

ModuleState gMod;

void ResetModuleState()
{
    gMod = ModuleState();
}
