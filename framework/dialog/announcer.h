#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

namespace fenwake {

// Says a short text to a screen reader without moving the focus. Qt of this age has no
// announcement for AT-SPI, and a changed name or description reaches Orca without its text;
// but a notification that appears is read out wherever the focus is. So the announcer is an
// empty notification, shown anew with each text. Texts that follow each other quickly are
// said once, the last of them, after a short pause: fast typing is answered by the latest
// figures, not by a queue of old ones.
class Announcer : public QWidget {
public:
    static constexpr int pauseMilliseconds = 350;

    // alreadySaid: what the screen reader heard as the window opened.
    Announcer(QWidget* parent, QString alreadySaid);

    void announce(const QString& text);
    // How long the text last given still waits to be said, in milliseconds; -1 when none waits.
    int pauseLeft() const { return pause.isActive() ? pause.remainingTime() : -1; }

private:
    void present();

    QTimer pause;
    QString pending;
    QString spoken;
};

} // namespace fenwake
