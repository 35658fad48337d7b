#pragma once
// The archiver dialog on screen: the controls of CPgpackDlg at their places,
// each event forwarded to its handler, and the controls then shown as the
// handler left them.

#include "CPgpackDlg.h"
#include "WidgetDialogs.h"

#include <QDialog>

#include <functional>
#include <map>

class ArchiverWindow : public QDialog {
public:
    // dialogs answers the modal questions; the real dialogs when null.
    explicit ArchiverWindow(Dialogs* dialogs = nullptr);

    CPgpackDlg& Dlg() { return dlg_; }
    // The widget of a control (ids of CPgpackDlg; labels have none).
    QWidget* ControlWidget(int id) const;
    // Runs a handler, then shows what it changed.
    void Dispatch(const std::function<void()>& handler);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void BuildControls();
    void AddVersionEntry();
    void Refresh();

    WidgetDialogs widgetDialogs_;
    CPgpackDlg dlg_;
    std::map<int, QWidget*> widgets_;
};
