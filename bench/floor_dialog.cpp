// The toolkit's floor for the start-up benchmark: a bare Qt dialog with the same twelve
// controls and the same menu bar as Fenwake's main window, filled by hand, no framework. The
// sizes are those Fenwake's window opens at with DejaVu Sans 9 points at 96 dots per inch.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle("Fenwake");
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QMenuBar(&dialog);
    bar->addMenu("Tools")->addAction("About");
    layout->setMenuBar(bar);
    auto* client = new QWidget(&dialog);
    client->setFixedSize(414, 370);
    layout->addWidget(client);

    auto* female = new QCheckBox("Female", client);
    female->setGeometry(12, 88, 69, 20);
    const char* captions[] = {"Waist:", "Weight:", "Height:"};
    const char* values[] = {"34", "180", "70"};
    const char* units[] = {"Inches", "Lbs", "Inches"};
    for (int row = 0; row < 3; ++row) {
        (new QLabel(captions[row], client))->setGeometry(12, 16 + 25 * row, 39, 14);
        (new QLineEdit(values[row], client))->setGeometry(65, 12 + 25 * row, 114, 22);
        (new QLabel(units[row], client))->setGeometry(186, 16 + 25 * row, 39, 14);
    }
    auto* metric = new QCheckBox("Metric", client);
    metric->setGeometry(163, 88, 63, 20);
    auto* list = new QTableWidget(5, 4, client);
    list->setGeometry(12, 109, 367, 250);
    list->setShowGrid(false);
    list->verticalHeader()->hide();
    list->setHorizontalHeaderLabels({"Qty", "Result", "Unit", "Description"});
    const QStringList rows[] = {{"Fat Percentage", "15.51", "%", "Average"},
                                {"Fat Body Mass", "27.92", "Lbs"},
                                {"Lean Body Mass", "152.08", "Lbs"},
                                {"Rest Metabolic Rate", "2103.27", "Cals"},
                                {"Body Mass Index", "25.82", "", "Overweight"}};
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            list->setItem(row, column, new QTableWidgetItem(rows[row][column]));
        }
    }
    const int widths[] = {131, 76, 45, 113};
    for (int column = 0; column < 4; ++column) {
        list->setColumnWidth(column, widths[column]);
    }
    return dialog.exec();
}
