#include "framework/dialog/table_copy.h"

#include "framework/dialog/qt_text.h"
#include "framework/language/translation.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QMimeData>

namespace fenwake {

namespace {

// Rows of cells as tab-separated lines, and as HTML rows whose cells are of the given tag.
void appendRows(const std::vector<QStringList>& rows, const QString& cellTag, QString& text,
                QString& html) {
    for (const QStringList& cells : rows) {
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        html += QStringLiteral("<tr>");
        for (const QString& cell : cells) {
            html += "<" + cellTag + ">" + cell.toHtmlEscaped() + "</" + cellTag + ">";
        }
        html += QStringLiteral("</tr>");
    }
}

void appendLine(const QString& line, QString& text, QString& html) {
    text += line + QLatin1Char('\n');
    html += "<p>" + line.toHtmlEscaped() + "</p>";
}

} // namespace

void TableCopy::toClipboard(const Table& table) {
    QString text;
    QString html;
    if (!table.sentence.isEmpty()) {
        appendLine(table.sentence, text, html);
    }
    const QString made = QLocale().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    appendLine(table.title + QLatin1Char('\t') + made, text, html);
    if (!table.before.empty()) {
        html += QStringLiteral("<table>");
        appendRows(table.before, QStringLiteral("td"), text, html);
        html += QStringLiteral("</table>");
    }
    // One table: its heading row, then its rows.
    html += QStringLiteral("<table>");
    appendRows({table.headings}, QStringLiteral("th"), text, html);
    appendRows(table.rows, QStringLiteral("td"), text, html);
    html += QStringLiteral("</table>");
    auto* copied = new QMimeData;
    copied->setText(text);
    copied->setHtml(html);
    QApplication::clipboard()->setMimeData(copied);
}

void TableCopy::showMenu(QWidget& over, QPoint at, const std::function<void(bool everyRow)>& copy) {
    QMenu menu(&over);
    QAction* selected = menu.addAction(qtText(translated("Copy")));
    selected->setShortcut(QKeySequence::Copy);
    QAction* all = menu.addAction(qtText(translated("Copy All")));
    const QAction* chosen = menu.exec(at);
    if (chosen == selected || chosen == all) {
        copy(chosen == all);
    }
}

QPoint TableCopy::menuPlace(const QAbstractItemView& view) {
    const QModelIndex current = view.currentIndex();
    return view.viewport()->mapToGlobal(current.isValid() ? view.visualRect(current).center()
                                                          : view.viewport()->rect().center());
}

bool TableCopy::opensMenu(const QKeyEvent& event) {
    return event.key() == Qt::Key_F10 && event.modifiers() == Qt::ShiftModifier;
}

bool TableCopy::answersKey(QAbstractItemView& view, const QKeyEvent& event,
                           const std::function<void(bool everyRow)>& copy) {
    if (event.matches(QKeySequence::Copy)) {
        copy(false);
        return true;
    }
    if (opensMenu(event)) {
        showMenu(view, menuPlace(view), copy);
        return true;
    }
    return false;
}

} // namespace fenwake
