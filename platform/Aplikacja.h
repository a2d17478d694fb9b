#pragma once
// The application object: an exception that escapes an event handler is shown in a message box
// (the general error report) and the handler ends there.
#include <QApplication>

class TAplikacja : public QApplication {
public:
    TAplikacja(int& argc, char** argv);
    bool notify(QObject* odbiorca, QEvent* zdarzenie) override;
};

// Fonts of the original forms are mapped onto metric-compatible fonts of the system.
void UstawZamiennikiCzcionek();
