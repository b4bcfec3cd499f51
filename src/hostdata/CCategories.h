#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

class LookupCache;
struct Installation;
struct LoadedTree;

struct CategoryNode {
    qint16 Parent = -1;
    QString Filter;
    QString Name;
};

// Where EEP lists a model: the editor (0..8), the category names from the top
// level down, and the model's display name. Empty (editor -1) when no
// category uses the section.
struct CategoryPlace {
    qint16 editor = -1;
    QStringList categories;
    QString modelName;
    bool isEmpty() const { return editor < 0; }
    // categories followed by the model name: what the detail view indents.
    QStringList PathItems() const { return categories + QStringList{modelName}; }
};

// The nine editors' category trees of an installation, in the language of a
// name key ("Name_GER", ...).
class CCategories {
public:
    CCategories();
    // (Re)loads all nine trees from the installation's "Categories", on up
    // to threads threads (0: as many as the machine has cores; 1: one after
    // the other on this thread). Throws KluniError on a 16-bit overflow or a
    // parent-stack index below 0, and the error of a thread that could not be
    // started or ran out of memory (after the others have ended).
    bool Init(const Installation& installation, const QString& nameKey, int threads = 0);
    // The name shown for a category or model without one.
    static QString Placeholder(const QString& name);
    // German display name of an editor; KluniError (subscript) outside 0..8.
    QString CatName(qint16 piIdx) const;
    // The model's name comes from its ini file in the trees' language, looked
    // up with the cache when given.
    CategoryPlace FindModel(const QString& ptFilter, const QString& ptGsb, LookupCache* cache = nullptr) const;

    static constexpr qint16 kEditorCount = 9;
    QString EditorDir(qint16 i) const;
    const QVector<CategoryNode>& Nodes(qint16 editor) const { return m_trees[editor]; }

private:
    void LoadTrees(const QString& categoriesDir, int threads);
    // Takes a loaded tree; rethrows the error that ended it.
    void Commit(qint16 i, LoadedTree& tree);
    // Category names from node j up to its top-level category, top first.
    QStringList ChainUpFrom(qint16 editor, qint16 j) const;

    // The node that the backward scan of FindModel meets first for each
    // filter: in the highest editor that uses the filter, its last node.
    // Built on the first look-up after Init; a look-up per record of a long
    // result list would otherwise scan every category each time.
    struct NodeRef {
        qint16 editor;
        qint16 node;
    };
    const QHash<QString, NodeRef>& FilterIndex() const;

    QStringList m_editorTable;          // 18 strings: directory, display name
    QString m_resBase;                  // where the models' ini files are found
    QString m_nameKey;
    QVector<QVector<CategoryNode>> m_trees;
    mutable QHash<QString, NodeRef> m_filterIndex;
    mutable bool m_filterIndexBuilt = false;
};
