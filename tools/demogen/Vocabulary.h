#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// The four category languages, in the order the ini files list them.
enum class Lang { Ger = 0, Eng = 1, Fra = 2, Pol = 3 };
constexpr int kLangCount = 4;
// "GER", "ENG", "FRA", "POL".
QString LangCode(Lang lang);
// "Name_GER" etc.
QString NameKey(Lang lang);

// One text in the four languages. Polish words avoid the letters that
// Windows-1252 cannot hold, as EEP's own files do.
struct Words {
    QString ger;
    QString eng;
    QString fra;
    QString pol;

    const QString& In(Lang lang) const;
    // "<this> <other>" in every language.
    Words Joined(const Words& other, const QString& separator = QStringLiteral(" ")) const;
};

// A kind of model (Bahnhof, Güterwagen, Kiefer, ...): its display words, the
// stem of its file names and the directory its files live in.
struct ModelKind {
    QString stem;   // file name stem, e.g. "Güterwagen"
    QString dir;    // directory below the editor's model root, e.g. "Güterwagen"
    Words singular;
    Words plural;
};

// What the generator knows about one object editor.
struct EditorWords {
    QString categoryDir;     // directory below Categories, e.g. "Static_structures"
    QString modelRoot;       // below Resourcen, e.g. "Immobilien" or "Signale\\Signale"
    QString sectionPrefix;   // start of its Models.ini section names
    int weight;              // share of the categories and models
    QStringList parts;       // mod2 part names of its models
    QVector<ModelKind> kinds;
};

namespace Vocabulary {

// The nine editors in EEP's order (Goods ... Track_objects_waterway).
const QVector<EditorWords>& Editors();
// Sub-category names: "Stadt", "Epoche III", "Küste", ...
const QVector<Words>& Qualifiers();
// Model variants: "Rot", "Alt", "Groß", ...
const QVector<Words>& Variants();

} // namespace Vocabulary
