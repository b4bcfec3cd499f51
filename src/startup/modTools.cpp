#include "startup/modTools.h"

#include "platform/FileSystem.h"
#include "platform/MessageSink.h"
#include "platform/SettingsStore.h"
#include "startup/KluniError.h"

#include <QCoreApplication>
#include <charconv>
#include <cmath>
#include <exception>
#include <limits>
#include <new>
#include <stdexcept>
#include <system_error>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Our number for errors that carry no number of their own (a library
// exception we did not expect).
constexpr int kInternalErrorNumber = 51;

QString PlaceholderText(QChar c, const QStringList& args)
{
    if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) {
        const int index = c.unicode() - u'1';
        return index < args.size() ? args.at(index) : QString(c);
    }
    if (c == QLatin1Char('n'))
        return kCrLf;
    if (c == QLatin1Char('m'))
        return kCrLf + kCrLf;
    if (c == QLatin1Char('t'))
        return QStringLiteral("\t");
    return c.isNull() ? QString() : QString(c);
}

struct ErrorInfo {
    int number = 0;
    QString description;
};

// Number and description of the exception being handled.
ErrorInfo CurrentError()
{
    const std::exception_ptr current = std::current_exception();
    if (!current)
        return {};
    try {
        std::rethrow_exception(current);
    } catch (const KluniError& e) {
        return {e.Number(), e.Description()};
    } catch (const std::bad_alloc&) {
        const KluniError e = KluniError::OutOfMemory();
        return {e.Number(), e.Description()};
    } catch (const std::length_error&) {
        const KluniError e = KluniError::OutOfMemory();
        return {e.Number(), e.Description()};
    } catch (const std::out_of_range&) {
        const KluniError e = KluniError::SubscriptOutOfRange();
        return {e.Number(), e.Description()};
    } catch (const std::overflow_error&) {
        const KluniError e = KluniError::Overflow();
        return {e.Number(), e.Description()};
    } catch (const std::system_error& e) {
        // A thread that the system has no room for: out of memory, as for any allocation.
        if (e.code() != std::errc::resource_unavailable_try_again)
            return {kInternalErrorNumber, QString::fromLocal8Bit(e.what())};
        const KluniError oom = KluniError::OutOfMemory();
        return {oom.Number(), oom.Description()};
    } catch (const std::exception& e) {
        return {kInternalErrorNumber, QString::fromLocal8Bit(e.what())};
    } catch (...) {
        return {kInternalErrorNumber, QCoreApplication::translate("modTools", "Unbekannter Fehler")};
    }
}

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// The leading number of a text as Basic's Val reads it: blanks anywhere are
// skipped, then an optional sign, digits with at most one decimal point and
// an optional exponent. The result is the text in C form for conversion.
QByteArray LeadingNumberText(const QString& text)
{
    QByteArray out;
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text.at(i)))
            ++i;
    };
    const auto takeDigits = [&] {
        bool any = false;
        for (skipBlanks(); i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; skipBlanks()) {
            out += static_cast<char>(text.at(i++).unicode());
            any = true;
        }
        return any;
    };
    skipBlanks();
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        out += static_cast<char>(text.at(i++).unicode());
    bool mantissa = takeDigits();
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        out += '.';
        ++i;
        mantissa = takeDigits() || mantissa;
    }
    if (!mantissa)
        return QByteArray("0");
    const qsizetype beforeExponent = i;
    const int outBeforeExponent = out.size();
    if (i < text.size() && QStringLiteral("eEdD").contains(text.at(i))) {
        out += 'e';
        ++i;
        skipBlanks();
        if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
            out += static_cast<char>(text.at(i++).unicode());
        if (!takeDigits()) {
            i = beforeExponent;
            out.truncate(outBeforeExponent);
        }
    }
    return out;
}

// Converts the text made by LeadingNumberText, independent of the locale; a
// value out of range becomes infinite (or 0 when it is too small).
double ParseDouble(const QByteArray& number)
{
    double value = 0;
    const char* begin = number.constData();
    const char* end = begin + number.size();
    if (*begin == '+')
        ++begin;
    const std::from_chars_result result = std::from_chars(begin, end, value);
    if (result.ec != std::errc::result_out_of_range)
        return value;
    if (number.contains("e-"))
        return 0.0;
    return number.startsWith('-') ? -HUGE_VAL : HUGE_VAL;
}

} // namespace

// Messages ----------------------------------------------------------------

QString FormatMsg(const QString& tpl, const QStringList& args)
{
    if (tpl.size() > std::numeric_limits<qint16>::max())
        throw KluniError::Overflow();
    QString result;
    qsizetype p = 0;
    for (;;) {
        const qsizetype percent = tpl.indexOf(QLatin1Char('%'), p);
        if (percent < 0) {
            result += QStringView(tpl).mid(p);
            return result;
        }
        result += QStringView(tpl).mid(p, percent - p);
        const QChar c = percent + 1 < tpl.size() ? tpl.at(percent + 1) : QChar();
        result += PlaceholderText(c, args);
        p = percent + 2;
    }
}

void MsgError(const QString& text)
{
    MessageSink::Current().Critical(text);
}

bool AskYesNo(const QString& text)
{
    return MessageSink::Current().AskYesNo(text);
}

QString ErrorReportText(const QString& procedure, int number, const QString& description, const QString& header)
{
    QString text = header.isEmpty() ? QCoreApplication::translate("modTools", "Es ist ein Fehler aufgetreten!")
                                    : header;
    text += kCrLf + kCrLf;
    if (!procedure.isEmpty())
        text += QCoreApplication::translate("modTools", "Prozedur: ") + procedure + kCrLf + kCrLf;
    text += QCoreApplication::translate("modTools", "Fehler ") + QString::number(number) + QStringLiteral(": ")
            + description;
    return text;
}

void ReportError(const QString& procedure, const QString& header)
{
    const ErrorInfo error = CurrentError();
    MsgError(ErrorReportText(procedure, error.number, error.description, header));
}

// Paths ---------------------------------------------------------------------

QString JoinPath(const QString& dir, const QString& name)
{
    QString path = dir;
    if (!path.endsWith(QLatin1Char('\\')))
        path += QLatin1Char('\\');
    path += name.startsWith(QLatin1Char('\\')) ? QStringView(name).mid(1) : QStringView(name);
    return path;
}

bool DirExists(const QString& path, LookupCache* cache)
{
    return FileSystem::AnyEntryExists(path, cache);
}

bool FileExists(const QString& path, LookupCache* cache)
{
    return FileSystem::PlainFileExists(path, cache);
}

QString LastPathPart(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('\\'));
    return slash < 0 ? path : path.mid(slash);
}

bool IsAbsolutePath(const QString& path)
{
    if (path.size() < 2)
        return false;
    return path.startsWith(QLatin1String("\\\\")) || path.at(1) == QLatin1Char(':');
}

// Settings --------------------------------------------------------------------

QString LoadSetting(const QString& section, const QString& key, const QString& def)
{
    const QString value = SettingsStore::Load(section, key);
    return value.isNull() ? def : value;
}

qint32 LeadingNumberRounded(const QString& text)
{
    const double value = ParseDouble(LeadingNumberText(text));
    // Round half to even (the default rounding mode); out-of-range values clamp.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<qint32>::min()))
        return std::numeric_limits<qint32>::min();
    if (rounded > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    return static_cast<qint32>(rounded);
}

qint32 LoadSettingLong(const QString& section, const QString& key, qint32 def)
{
    static const QString noEntry = QStringLiteral("##NoEntry##");
    const QString text = LoadSetting(section, key, noEntry);
    return text == noEntry ? def : LeadingNumberRounded(text);
}

void StoreSetting(const QString& section, const QString& key, const QString& value)
{
    SettingsStore::Store(section, key, value);
}

// Text and numbers --------------------------------------------------------------

QString RepeatText(const QString& text, qint16 count)
{
    return count <= 0 ? QString() : text.repeated(count);
}

qint32 MinLong(qint32 a, qint32 b)
{
    return a <= b ? a : b;
}

qint32 UnsignedInt(qint16 value)
{
    return value >= 0 ? value : static_cast<qint32>(value) + 65536;
}
