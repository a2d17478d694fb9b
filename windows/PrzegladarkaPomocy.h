#pragma once
// The help file of the "Pomoc" menu: an HTML page shown in a small viewer window of ours.
#include <QWidget>

class QTextBrowser;

class TPrzegladarkaPomocy : public QWidget {
    Q_OBJECT
public:
    explicit TPrzegladarkaPomocy(QWidget* rodzic = nullptr);
    QTextBrowser* tbPomoc;

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
};

extern TPrzegladarkaPomocy* PrzegladarkaPomocy;

// Path of the help file relative to the current directory.
inline const QString PlikPomocy = QStringLiteral("Help/Pomoc.html");

// Shows the file in the viewer (created on first use, then reused); a message when it is missing,
// is no regular file or is too large for a help page.
void PokazPlikPomocy(const QString& sciezka);
