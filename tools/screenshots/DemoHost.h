#pragma once

#include <QDate>
#include <QString>
#include <QTemporaryDir>

// The demo installation as a user of EEP under Wine sees it: drive C: of a
// private Wine prefix is the folder that holds the installation, so the
// windows show "C:\EEP6\Resourcen\..." wherever the build tree lies. The
// program's settings and runtime files go to the same private folder, which
// goes when the object does. Made before the application object, as it
// sets the environment the program reads.
class DemoHost {
public:
    // installation: the folder that holds "Resourcen" (<build>/demo/EEP6).
    explicit DemoHost(const QString& installation);

    // Empty when the environment is set up, else what went wrong.
    const QString& Error() const { return m_error; }
    // The day the demo was written: the creation day of its files, which
    // the search by installation date looks at.
    QDate WrittenOn() const;

private:
    bool SetUp();

    QString m_installation;
    QTemporaryDir m_scratch;
    QString m_error;
};
