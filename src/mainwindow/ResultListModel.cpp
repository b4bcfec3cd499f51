#include "mainwindow/ResultListModel.h"

#include "hostdata/CModels.h"
#include "hostdata/ResultTexts.h"
#include "startup/modTools.h"

ResultListModel::ResultListModel(QObject* parent)
    : QAbstractListModel(parent)
{
}

void ResultListModel::Show(const CModels& models)
{
    beginResetModel();
    m_models = &models;
    m_rows = MinLong(kMaxRows, models.Count());
    endResetModel();
}

void ResultListModel::Clear()
{
    beginResetModel();
    m_models = nullptr;
    m_rows = 0;
    endResetModel();
}

int ResultListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !m_models || !index.isValid())
        return {};
    const int row = index.row();
    // The catalogue may have grown or shrunk behind rows already shown.
    if (row >= m_rows || row >= m_models->Count())
        return {};
    return ResultTexts::RowText(*m_models, row);
}
