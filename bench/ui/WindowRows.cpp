#include "WindowRows.h"

#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "hostdata/ModelDetail.h"
#include "hostdata/Searches.h"
#include "mainwindow/FMain.h"
#include "mainwindow/ResultListModel.h"
#include "mainwindow/Startup.h"

#include <QApplication>
#include <QListView>
#include <QTimer>
#include <QWidget>

namespace WindowRows {

Measurement FillResultList(const MeasurePolicy& policy)
{
    CModels models;
    Searches::ByName(models, 0, QString(), NameSource::Gsb);   // "enthält" nothing: every model
    CCategories categories;
    categories.Init();
    CGsb gsb;

    // The list as the main window places it (FMain's kResultList).
    QWidget window;
    window.resize(760, 620);
    QListView view(&window);
    view.setGeometry(8, 240, 440, 298);
    ResultListModel listModel;
    view.setModel(&listModel);
    view.setUniformItemSizes(true);
    view.setSelectionMode(QAbstractItemView::SingleSelection);
    view.setEditTriggers(QAbstractItemView::NoEditTriggers);
    window.show();
    QCoreApplication::processEvents();

    QString firstFile;
    Measurement m = Measure(
        QStringLiteral("fill"), policy,
        [&] {
            listModel.Clear();
            QCoreApplication::processEvents();
        },
        [&] {
            listModel.Show(models);
            view.setCurrentIndex(listModel.index(0));
            firstFile = ModelDetail::Of(models, 0, categories, gsb).file;
            QCoreApplication::processEvents();
            view.viewport()->repaint();
        });
    m.note = QStringLiteral("%1 rows of %2 records; row 0: %3")
                 .arg(listModel.rowCount()).arg(models.Count()).arg(firstFile);
    return m;
}

int StartWindow()
{
    const std::unique_ptr<FMain> window = RunStartup(QString());
    if (!window)
        return 1;
    // A zero timer fires once the loop has handled what the start posted
    // (layout, painting): from then on the window takes input.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}

} // namespace WindowRows
