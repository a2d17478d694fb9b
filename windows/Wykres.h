#pragma once
// The chart window: the chart the table window fills (one or two series, axis titles, a title),
// which the user can zoom, save as BMP, WMF or EMF, print, or close. It computes nothing.
//
// The opener clears the series, adds the points with their colours, sets TytulX and TytulY, the
// axis titles and the chart title, activates the series to show, connects Zamkniety and shows
// the window modally.
#include "WykresXY.h"

#include <QMainWindow>

class QAction;

class TFWykres : public QMainWindow {
    Q_OBJECT
public:
    explicit TFWykres(QWidget* rodzic = nullptr);

    TWykresXY* Chart;
    TSeria* Series1;
    TSeria* Series2;
    // The titles of the horizontal and the vertical quantity, set by the opener.
    QString TytulX;
    QString TytulY;

    void MSaveClick();
    void MPrintClick();
    void MExitClick();
    void MInfoClick();

signals:
    // The window has closed: the table window makes its calculate button the default again.
    void Zamkniety();

protected:
    void keyPressEvent(QKeyEvent* zdarzenie) override;
    void closeEvent(QCloseEvent* zdarzenie) override;

private:
    void ZbudujMenu();
};
