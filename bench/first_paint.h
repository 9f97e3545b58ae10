#pragma once

class QWidget;

// Ends the application once the widget has painted its first frame.
void quitAfterFirstPaint(QWidget* widget);
