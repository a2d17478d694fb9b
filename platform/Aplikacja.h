#pragma once
// The application object: an exception that escapes an event handler is shown in a message box
// (the general error report) and the handler ends there.
#include <QApplication>

class TAplikacja : public QApplication {
public:
    TAplikacja(int& argc, char** argv);
    bool notify(QObject* odbiorca, QEvent* zdarzenie) override;

private:
    void WczytajPolskieTeksty();
};

// The Windows fonts the windows name ("MS Sans Serif", "Arial", "Arial CE") are drawn in
// Liberation Sans, which has their metrics.
void UstawZamiennikiCzcionek();
