#include "WindowRows.h"

#include "hostdata/CCategories.h"
#include "hostdata/CGsb.h"
#include "hostdata/CModels.h"
#include "hostdata/ModelDetail.h"
#include "hostdata/SearchProgress.h"
#include "hostdata/Searches.h"
#include "mainwindow/FMain.h"
#include "mainwindow/ResultListModel.h"
#include "mainwindow/Startup.h"
#include "platform/LookupCache.h"

#include <QApplication>
#include <QListView>
#include <QTimer>
#include <QWidget>

namespace WindowRows {

Measurement FillResultList(const MeasurePolicy& policy, const Installation& installation)
{
    SearchInput input;
    input.installation = std::make_shared<const Installation>(installation);
    input.gtNameKey = QStringLiteral("Name_GER");
    SearchProgress progress;
    // "enthält" nothing: every model
    const CModels models = Searches::ByName(input, progress, 0, QString(), NameSource::Gsb).models;
    CCategories categories;
    categories.Init(installation, input.gtNameKey);
    CGsb gsb;
    LookupCache lookup;

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
            firstFile = ModelDetail::Of(models, 0, categories, gsb, installation, lookup).file;
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
