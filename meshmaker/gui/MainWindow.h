#pragma once
// The main editor window: a mirror of TForm1. Every event goes to its handler
// in TForm1 (through Dispatch), and then every control copies its record.

#include "TForm1.h"
#include "WidgetDialogs.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class EyeDesignerWindow;
class PreviewWindow;
class QAction;
class QAbstractButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QScrollBar;
class VersionDialog;
class ViewWidget;

class MainWindow : public QMainWindow {
public:
    // dialogs answers the editor's questions; by default Qt's file dialog and message box.
    explicit MainWindow(Dialogs* dialogs = nullptr);
    ~MainWindow() override;

    TForm1& Form() { return form_; }
    // The window's commands by name: the menu entries and the tool buttons
    // ("SpeedButton1" .. "SpeedButton13", "Button1", "Open1", "Saveas1",
    // "Exit1", "Undo1", "Redo1", "x11" .. "x81", "Version1", "FlipHorizontally",
    // "SaveBodyTexture", "PreviewButton" for the 3-D view).
    QAction* Action(const QString& name) const { return actions_.at(name); }
    VersionDialog* Form2Window() { return version_; }
    EyeDesignerWindow* Form3Window() { return eyeDesigner_.get(); }

    // Runs one handler: the fields' texts are taken into the form first;
    // afterwards the event ends in the form (the fish settles) and every
    // window shows the form's records.
    void Dispatch(const std::function<void()>& handler);
    // Copies every record into its widget.
    void Refresh();
    // Enables the commands that the editor's state allows.
    void UpdateActions();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void BuildMenu();
    void BuildToolPanel();
    void BuildViews();
    void PullEdits();
    void KeepBounds();
    QRect InClient(const QRect& formRect) const;

    WidgetDialogs widgetDialogs_;
    TForm1 form_;

    QWidget* panel_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QWidget* client_ = nullptr;
    ViewWidget *image1_ = nullptr, *image2_ = nullptr, *image3_ = nullptr;
    VersionDialog* version_ = nullptr;
    std::unique_ptr<EyeDesignerWindow> eyeDesigner_;
    PreviewWindow* preview_ = nullptr; // made when first opened

    std::map<QString, QAction*> actions_;
    std::vector<std::pair<const Button*, QAbstractButton*>> buttons_;
    std::vector<std::pair<CheckBox*, QCheckBox*>> checkBoxes_;
    std::vector<std::pair<Edit*, QLineEdit*>> edits_;
    std::vector<std::pair<QLineEdit*, void (TForm1::*)()>> exitHandlers_;
    std::vector<std::pair<const Label*, QLabel*>> labels_;
    std::vector<std::pair<const ScrollBar*, QScrollBar*>> scrollBars_;
    std::vector<std::pair<const Label*, QLabel*>> scrollValues_, statusLabels_;
    std::vector<std::pair<const Image*, ViewWidget*>> images_;

    int shownSide_ = -1, shownFront_ = -1, shownTop_ = -1;
    bool syncing_ = false;
    bool placed_ = false;
};
