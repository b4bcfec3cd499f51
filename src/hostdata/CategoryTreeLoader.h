#pragma once

#include "hostdata/CCategories.h"
#include "platform/LookupCache.h"

#include <QString>
#include <QVector>
#include <QtGlobal>
#include <exception>

// Reads one editor's category tree: its "index.ini" and the category files it
// names, with the parent stack that "CDIn" and "CDOut" move. It keeps only
// its own state (its lookup cache too), so the trees of several editors can
// be read side by side.
class CategoryTreeLoader {
public:
    // dir: the editor's directory (Windows form); nameKey: the entry that
    // holds a category's name; categoriesDir: cut from a file's path in the
    // placeholder of a category without a name.
    CategoryTreeLoader(const QString& dir, const QString& nameKey, const QString& categoriesDir);

    // Reads the tree into nodes. Throws KluniError on a 16-bit overflow or a
    // parent-stack index below 0; nodes then holds what was read until then.
    void Load(QVector<CategoryNode>& nodes);

private:
    void LoadFile(QVector<CategoryNode>& nodes, const QString& path);
    void AddNode(QVector<CategoryNode>& nodes);
    void PushParent(qint16 node);
    void PopParent();
    qint16 StackTop() const;

    QString m_dir;
    QString m_nameKey;
    QString m_categoriesDir;
    QVector<qint16> m_parentStack{-1};
    qint16 m_depth = 0;
    LookupCache m_lookup;
};

// A tree read on a worker thread: its nodes and the error that ended it.
struct LoadedTree {
    QVector<CategoryNode> nodes;
    std::exception_ptr error;
};
