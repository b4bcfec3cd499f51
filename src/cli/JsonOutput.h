#pragma once

#include "cli/CliOutput.h"

class QJsonObject;

// One JSON document per run.
class JsonOutput : public CliOutput {
public:
    JsonOutput(QIODevice& device, bool compact);

    void Check(const CheckReport& report) override;
    void Models(const CModels& models, ListSource source, DetailLookup* details) override;
    void Mod2(const Mod2Report& report) override;

private:
    void Write(const QJsonObject& document);

    QIODevice& m_device;
    bool m_compact;
};
