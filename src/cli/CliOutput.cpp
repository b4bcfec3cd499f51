#include "cli/CliOutput.h"

#include "cli/JsonOutput.h"
#include "cli/TextOutput.h"

std::unique_ptr<CliOutput> MakeCliOutput(bool json, bool brief, QIODevice& device)
{
    if (json)
        return std::make_unique<JsonOutput>(device, brief);
    return std::make_unique<TextOutput>(device);
}
