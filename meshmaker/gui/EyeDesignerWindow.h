#pragma once
// The eye designer's window: a mirror of TForm3. Its events go to TForm3's
// handlers; after each the main window refreshes every window.

#include <QWidget>

#include <functional>

class TForm3;
class QLabel;
class QPushButton;
class QScrollBar;
class ViewWidget;

class EyeDesignerWindow : public QWidget {
public:
    EyeDesignerWindow(TForm3& form, std::function<void(std::function<void()>)> dispatch);
    // Copies what TForm3 shows.
    void Refresh();

private:
    TForm3& form_;
    std::function<void(std::function<void()>)> dispatch_;
    ViewWidget *image1_, *image2_, *image3_;
    QScrollBar *scrollBar1_, *scrollBar2_;
    int shownRevision_ = -1;
    int shownRequests_ = 0;
    bool syncing_ = false;
};
