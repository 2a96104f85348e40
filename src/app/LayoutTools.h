#pragma once

#include <initializer_list>

#include <QFont>
#include <QString>

class QAction;
class QColor;
class QLabel;
class QLineEdit;
class QMenu;
class QObject;
class QPlainTextEdit;
class QTimer;
class QWidget;
class BitmapButton;
class FlatSpinEdit;
class GlyphCheckBox;

// Small makers the window's layout is written with: each names the control
// after its layout name and puts it where the layout says.

// Names the widget and puts it at left,top width x height in its container.
template <typename W> W *Place(W *widget, const char *name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &text, int left, int top, int width, int height);

// A label sized to its text. Its text is written later, so it is given the
// room up to `right` in its container (it is transparent, so the spare width
// shows nothing) and at least the height of one line of its font.
QLabel *MakeAutoSizeLabel(QWidget *parent, const char *name, const QFont &font, int left, int top, int right);

// A 15 x 15 picture from the compiled-in resources.
QLabel *MakePicture(QWidget *parent, const char *name, const QString &resource, int left, int top);

BitmapButton *MakeButton(QWidget *parent, const char *name, int faceWidth, const QString &caption, int left, int top);
GlyphCheckBox *MakeCheckBox(QWidget *parent, const char *name, const QString &caption, int left, int top, int width);
FlatSpinEdit *MakeSpinEdit(QWidget *parent, const char *name, int maximum, int left, int top, int width, int height);

// The phone fields: flat, filled with the window colour of text fields; the
// last one has a lowered bevel.
QLineEdit *MakeMaskEdit(QWidget *parent, const char *name, const QString &mask, int left, int top, int width,
                        bool loweredBevel);

QPlainTextEdit *MakeMemo(QWidget *parent, const char *name, const QColor &textColor, int left, int top, int width,
                         int height);

QAction *AddItem(QMenu *menu, const char *name, const QString &caption);
QTimer *MakeTimer(QObject *parent, const char *name, int interval);

// Text and window text of the widget in one colour.
void SetTextColor(QWidget *widget, const QColor &color);

// Style sheets (the tool tips' among them) stop a parent's font from passing
// down to its children, so every control that has no font of its own is
// given the window's font directly.
void GiveWindowFont(QWidget *root, const QFont &font);

// Tab moves through the widgets in the order given.
void ChainTabOrder(std::initializer_list<QWidget *> widgets);
