#include "platform/FolderChooser.h"

namespace {

FolderChooser* gInstalled = nullptr;

} // namespace

FolderChooser* FolderChooser::Current()
{
    return gInstalled;
}

void FolderChooser::Install(FolderChooser* chooser)
{
    gInstalled = chooser;
}
