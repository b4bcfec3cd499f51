#pragma once

#include <QAbstractListModel>
#include <QtGlobal>

class CModels;

// The rows of the result list, worked out from the catalogue when the view
// asks for them: at most kMaxRows rows, however many records there are.
class ResultListModel : public QAbstractListModel {
    Q_OBJECT
public:
    static constexpr qint32 kMaxRows = 65535;

    explicit ResultListModel(QObject* parent = nullptr);

    // Shows the catalogue from row 0 (the catalogue must outlive its use).
    void Show(const CModels& models);
    void Clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const CModels* m_models = nullptr;
    qint32 m_rows = 0;
};
