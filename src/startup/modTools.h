#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

class LookupCache;

// Messages ----------------------------------------------------------------

// Expands %1..%9 (arguments), %n (CR LF), %m (two CR LF), %t (tab) in one
// left-to-right pass; argument text is never scanned again. A template longer
// than 32,767 characters is an overflow error (KluniError).
QString FormatMsg(const QString& tpl, const QStringList& args = {});

// Critical-stop icon, OK, caption "Kluni".
void MsgError(const QString& text);
// Question icon, Yes/No; true for Yes.
bool AskYesNo(const QString& text);
// Reports the exception being handled; call it only inside a catch block.
// A KluniError shows its number and description; other exceptions are mapped
// to numbers of their own (out of memory, overflow, ...).
void ReportError(const QString& procedure, const QString& header = QString());
// The report text for an error number and description (what ReportError shows).
QString ErrorReportText(const QString& procedure, int number, const QString& description,
                        const QString& header = QString());

// Paths (Windows form) -------------------------------------------------------

QString JoinPath(const QString& dir, const QString& name);
// Both reuse the listings of an operation's lookup cache when given one.
bool DirExists(const QString& path, LookupCache* cache = nullptr);
bool FileExists(const QString& path, LookupCache* cache = nullptr);
QString LastPathPart(const QString& path);
bool IsAbsolutePath(const QString& path);

// Settings --------------------------------------------------------------------

QString LoadSetting(const QString& section, const QString& key, const QString& def);
qint32 LoadSettingLong(const QString& section, const QString& key, qint32 def);
void StoreSetting(const QString& section, const QString& key, const QString& value);
// The leading number of a text, rounded half to even; 0 for text without one.
qint32 LeadingNumberRounded(const QString& text);

// Text and numbers --------------------------------------------------------------

QString RepeatText(const QString& text, qint16 count);
qint32 MinLong(qint32 a, qint32 b);
qint32 UnsignedInt(qint16 value);
