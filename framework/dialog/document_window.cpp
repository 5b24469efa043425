#include "framework/dialog/document_window.h"

#include "framework/dialog/dialog_widgets.h"
#include "framework/dialog/qt_text.h"
#include "framework/dialog/side_window.h"
#include "framework/language/translation.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

namespace fenwake {

namespace {

// A reader's page: about seventy characters a line, or wider where the document needs more (a
// table's columns, side by side), and most of a small screen's height.
QSize pageSize(const QWidget& window, const QTextBrowser& text) {
    const QFontMetrics metrics(window.font());
    const QSize screen = window.screen()->availableGeometry().size();
    const int reading = metrics.averageCharWidth() * 70;
    const std::unique_ptr<QTextDocument> laidOut(text.document()->clone());
    laidOut->setTextWidth(reading); // what does not fit goes past it
    const int page = std::max(reading, static_cast<int>(std::ceil(laidOut->size().width()))) +
                     text.verticalScrollBar()->sizeHint().width() + 6 * metrics.averageCharWidth();
    return {std::min(page, screen.width() * 9 / 10),
            std::min(metrics.lineSpacing() * 36, screen.height() * 8 / 10)};
}

QDialog* makeWindow(QWidget& owner, const QString& name, const QString& title,
                    const QString& document) {
    auto* window = new QDialog(&owner, Qt::Dialog);
    window->setObjectName(name);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    auto* layout = new QVBoxLayout(window);
    auto* text = new QTextBrowser(window);
    text->setObjectName("document");
    text->setOpenExternalLinks(false);
    text->setHtml(document);
    text->setAccessibleName(title);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    buttons->button(QDialogButtonBox::Close)->setText(qtText(translated("Close")));
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::reject);
    layout->addWidget(buttons);
    QObject::connect(new QShortcut(QKeySequence::Close, window), &QShortcut::activated, window,
                     &QDialog::reject);
    QObject::connect(
        new QShortcut(QKeySequence::Quit, window), &QShortcut::activated, window, [window, &owner] {
            window->reject();
            QCoreApplication::postEvent(
                &owner, new QKeyEvent(QEvent::KeyPress, Qt::Key_Q, Qt::ControlModifier));
        });
    window->resize(pageSize(*window, *text));
    text->setFocus();
    return window;
}

} // namespace

void DocumentWindow::open(const Dialog& owner, std::string_view title,
                          const std::function<std::string()>& document, Profile* state,
                          std::string_view name) {
    QWidget* ownerWindow = DialogWidgets::window(owner);
    if (ownerWindow == nullptr) {
        return;
    }
    const QString objectName = "document-" + qtText(title);
    auto* window = ownerWindow->findChild<QDialog*>(objectName, Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = makeWindow(*ownerWindow, objectName, qtText(title), qtText(document()));
        SideWindow::place(*window, *ownerWindow, state, name);
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace fenwake
