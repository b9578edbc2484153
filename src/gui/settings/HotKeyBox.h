// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#pragma once

#include <QLineEdit>

// A hot-key box of the settings dialog: it cannot be typed into; a key
// pressed while it has the focus becomes its key when HotKeyNames accepts
// it (F2 to F12), and the box shows the key's name. Other keys are ignored.
class HotKeyBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit HotKeyBox(QWidget *parent = nullptr);

    // The virtual-key code shown.
    int code() const { return m_code; }
    // Shows code by its name, whatever the code.
    void setCode(int code);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_code = 0;
};
