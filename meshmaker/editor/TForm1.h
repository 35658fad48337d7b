#pragma once
// The main editor window's logic, without any widget: the picture, the fish
// (in its document), what the user is doing, a record of what every control
// shows, and the event handlers that change them. The window (gui/) forwards
// each event to its handler here, then calls AfterEvent() and copies the
// records; tests and the batch command call the handlers directly.
//
// What each tool is (its part, button, check box, pick rule, undo names)
// is one row of the tool table (ToolTable.h); the handlers and ShowFish and
// ShowFeedback read it. The handlers live in files by concern: TForm1.cpp
// (layout, the event's end, setting a whole fish), TForm1File.cpp (open and
// save, with the editing session), TForm1Feedback.cpp (what the window shows
// of what is going on, and Undo and Redo), TForm1Views.cpp (zoom and the
// view layout), TForm1Settings.cpp (fields, check boxes, scroll bars, the
// guarded builders), TForm1SideView.cpp (the side-view tools),
// TForm1FrontTop.cpp (the front and top editors) and TForm1Eye.cpp (the eye
// tool and the designer's answer).

#include "Controls.h"
#include "Dialogs.h"
#include "EditorPicture.h"
#include "FishDocument.h"
#include "Interaction.h"
#include "UndoHistory.h"

#include <QPoint>

#include <memory>
#include <optional>
#include <vector>

class TForm3;
struct EyeDesign;

// Layout of the main window, in pixels.
inline constexpr int ToolPanelHeight = 97;
inline constexpr int ScrollBar1Height = 16;
inline constexpr int ScrollBar2Height = 17;
// The value shown at the right end of each of the three scroll bars.
inline constexpr int ScrollValueWidth = 40;

// A mark drawn on a view over its last redraw (the red circle of a picked
// point); it lasts until the view is redrawn.
struct ViewMark {
    QPoint Centre; // view pixels
    int Radius = 0;
};

// The eye as the side view shows it: centre and radius in picture pixels.
struct EyeMark {
    double X = 0, Y = 0, Radius = 0;
    friend bool operator==(const EyeMark&, const EyeMark&) = default;
};

// The rubber band of a fin or whisker rectangle being dragged: the pressed
// corner and the pointer's corner, in picture pixels.
struct BandMark {
    QPoint From, To;
    friend bool operator==(const BandMark&, const BandMark&) = default;
};

// The version dialog: where it is and whether it shows.
struct TForm2 {
    bool Visible = false;
    QRect Bounds{0, 0, 395, 168}; // outer frame; the window sets the real size
    Button Button1;               // "OK"
};

class TForm1 {
public:
    // Without views (the batch conversion) nothing is ever drawn, and an
    // open makes no dimmed copy of the picture.
    enum class Views { Drawn, None };
    explicit TForm1(Dialogs& dialogs, Views views = Views::Drawn);
    ~TForm1();
    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    EditorPicture Picture;
    FishDocument Document;
    // Undo and redo of the document's fish; it starts anew with every picture.
    UndoHistory History{Document, [this](const Fish& fish) { SetFish(fish); }};
    Interaction Ui;
    const Fish& Current() const { return Document.Current(); }
    Fish& EditFish() { return Document.Edit(); }

    // The end of every user event: the fish settles (its revision moves when
    // it changed) and the controls show it. True when the fish changed.
    bool AfterEvent();
    // Shows a whole fish (undo, a resumed session) without running any
    // change handler: the lists, flags, fields, scroll bars and views.
    void SetFish(const Fish& fish);

    // Window
    QString Caption;
    QRect Bounds; // outer frame on the screen; the window keeps it current
    bool CloseRequested = false;

    // Tool panel
    Button SpeedButton1, SpeedButton11, SpeedButton2, SpeedButton3, SpeedButton5, SpeedButton4,
        SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9, Button1, SpeedButton10,
        SpeedButton12, SpeedButton13;
    Button PreviewButton; // opens the 3-D view
    Edit Edit1, Edit2;
    Label Label1, Label2, Label3, Label4, Label5;
    CheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7, CheckBox8,
        CheckBox9;

    // Views and scroll bars (client-area coordinates, the tool panel included)
    Image Image1, Image2, Image3;
    ScrollBar ScrollBar1, ScrollBar2, ScrollBar4;
    // The values of the tail position, thickness and widest point, each at
    // the right end of its scroll bar.
    Label TailValue, ThicknessValue, PeakValue;

    // The window's status bar: the picture's name and size, the zoom, and the
    // picture point and colour under the pointer.
    struct StatusBar {
        Label Picture, Zoom, Pointer;
    } Status;

    // What the side view shows since its last redraw: the mode and tail
    // position it was drawn for, and the pick mark drawn over it.
    ToolMode SideViewMode;
    int SideViewTail = 0;
    std::optional<ViewMark> SideMark, FrontMark, TopMark;
    // The eye placed on the fish or in the designer, and the rubber band of
    // a rectangle being dragged, over the side view.
    std::optional<EyeMark> SideEye;
    std::optional<BandMark> SideBand;
    // Count the redraws, so a window repaints only what changed.
    int SideViewRevision = 0, FrontViewRevision = 0, TopViewRevision = 0;

    // Every control record of the window with its name, in the order of
    // the tool panel, then the views and scroll bars.
    struct NamedControl {
        const char* Name;
        const Control* Record;
    };
    std::vector<NamedControl> NamedControls() const;

    TForm2 Form2;
    TForm3& Form3() { return *form3_; }
    const TForm3& Form3() const { return *form3_; }

    // What the user may do now.
    bool CanSave() const { return Picture.HasPicture(); }
    bool CanUndo() const { return History.CanUndo(); }
    bool CanRedo() const { return History.CanRedo(); }
    // The texts of Undo and Redo, naming the step they would take.
    QString UndoCaption() const;
    QString RedoCaption() const;

    // --- File menu and its buttons
    void SpeedButton1Click(); // open a picture
    void Open1Click() { SpeedButton1Click(); }
    // Opens the picture at path (no dialog) as a new fish, with a new undo
    // history, mirrored when the flip entry is checked. On failure shows the
    // reason and leaves the editor as it was; returns the reason, empty on
    // success. With Resume, the editing session saved beside the picture's
    // PGX file is restored.
    enum class Session { Resume, Ignore };
    QString OpenPicture(const QString& path, Session session = Session::Resume);
    // File > Flip horizontally: every open mirrors the picture while checked.
    // An open picture of the other orientation is opened again, as the next
    // open would open it (its tracing starts anew); if that fails, the entry
    // goes back to the picture's orientation.
    MenuEntry FlipHorizontallyEntry;
    void FlipHorizontallyClick();
    // File > Save picture as body texture: the picture as loaded (mirrored
    // when it was) as a 24-bit BMP, <name>_tx.bmp beside the PGX file. Asks
    // before it replaces an existing file.
    void SaveBodyTextureClick();
    void SpeedButton11Click(); // write the PGX file
    void Saveas1Click() { SpeedButton11Click(); }
    // Writes the PGX file to path and the editing session beside it, both
    // or neither, and reports the outcome; true on success.
    bool SavePgx(const QString& path);
    void Exit1Click() { CloseRequested = true; }

    // --- Zoom
    void SpeedButton2Click(); // zoom in
    void SpeedButton3Click(); // zoom out
    void x11Click() { SetZoom(1); }
    void x21Click() { SetZoom(2); }
    void x41Click() { SetZoom(4); }
    void x81Click() { SetZoom(8); }

    // --- Edit menu
    void Undo1Click();
    void Redo1Click();

    // --- Version
    void Version1Click();
    void Form2Button1Click() { Form2.Visible = false; }

    // --- Division settings
    void Edit1Exit();
    void Edit1KeyPress(int key) {
        if (key == 13) Edit1Exit();
    }
    void Edit2Exit();
    void Edit2KeyPress(int key) {
        if (key == 13) Edit2Exit();
    }

    // --- Check boxes: a mouse release clears the step; CheckBox7 has no
    // handler of its own, a click only toggles it
    void CheckBox1MouseUp() { ClearStep(Tool::Body); }
    void CheckBox2MouseUp() { ClearStep(Tool::Tail); }
    void CheckBox3MouseUp() { ClearStep(Tool::Dorsal); }
    void CheckBox4MouseUp() { ClearStep(Tool::Ventral); }
    void CheckBox5MouseUp() { ClearStep(Tool::Anal); }
    void CheckBox6MouseUp() { ClearStep(Tool::Pectoral); }
    void CheckBox7Click() { Ui.FrontBoxToggled = !Ui.FrontBoxToggled; }
    void CheckBox8MouseUp() { ClearStep(Tool::Whisker); }
    void CheckBox9MouseUp();

    // --- The tools: a click on a tool's button, as its row says, and the
    // handler of each
    void ClickTool(Tool tool) { (this->*RowOf(tool).Click)(); }
    void SpeedButton5Click();  // body
    void SpeedButton4Click();  // tail
    void SpeedButton6Click();  // dorsal
    void SpeedButton7Click();  // ventral
    void SpeedButton8Click();  // anal
    void SpeedButton9Click();  // pectoral
    void Button1Click();       // whisker
    void SpeedButton10Click(); // front editor
    void SpeedButton12Click(); // top view
    void SpeedButton13Click(); // eye designer

    // --- Scroll bars: the change handlers, and moving a bar as the program
    // does (the change handler runs when the position changes).
    void ScrollBar1Change(); // tail position
    void ScrollBar2Change(); // body thickness
    void ScrollBar4Change(); // top-view peak
    void SetScrollBar1Position(int position);
    void SetScrollBar2Position(int position);
    void SetScrollBar4Position(int position);

    // --- Mouse on the views (view pixels)
    void Image1MouseDown(MouseButton button, MouseState state, int x, int y);
    void Image1MouseUp(MouseButton button, MouseState state, int x, int y);
    void Image1MouseMove(MouseState state, int x, int y);
    // The fish as it would be if the point picked by the last press on the
    // side view were put down at view pixel (x, y) now, as a release there
    // puts it down; nothing when no point is picked. The fish itself does
    // not change: the 3-D view shows this while a drag is in progress.
    std::optional<Fish> FishWithDragAt(int x, int y) const;
    void Image1MouseLeave();
    void Image2MouseDown(MouseButton button, MouseState state, int x, int y);
    void Image2MouseUp(MouseButton button, MouseState state, int x, int y);
    void Image3MouseDown(MouseButton button, MouseState state, int x, int y);
    void Image3MouseUp(MouseButton button, MouseState state, int x, int y);

    // --- Views
    void SetZoom(int zoom);
    void RebuildViews();
    void RedrawSideView();
    void DrawFrontView();
    void DrawTopView();

    // Settings held by the fish and shown by the scroll bars.
    int TailPosition() const { return Current().TailPosition; } // E
    int Thickness() const { return Current().Thickness; }       // S
    // Radius of the markers and handles, and the body's pick tolerance.
    int MarkerRadius() const;

    // The guarded builders, each followed by its redraw.
    void RunBuildBodyOutline();
    void RunBuildTailStrip();
    void RunBuildDorsalStrip();
    void RunBuildVentralStrip();
    void RunBuildAnalStrip();
    void RunBuildWhiskerStrip();
    void RunBuildFrontSection();
    void RunBuildTopView();

private:
    struct Range {
        int Min, Max;
    };
    Range TailRange() const;
    Range ThicknessRange() const;
    Range PeakRange() const;
    // A scroll bar moved as the program moves it: its undo step, its range,
    // the setting of the fish it shows, and its change handler, which runs
    // when the position changes.
    struct Bar {
        UndoStep Moves;
        Range (TForm1::*Limits)() const;
        int Fish::*Setting;
        void (TForm1::*Change)();
    };
    void MoveBar(const Bar& bar, int position);
    // The check boxes, scroll bars and the shape editors' controls as the
    // fish has them: the one place they are derived.
    void ShowFish();
    // What the window shows of what is going on: the tool button pressed,
    // the scroll bars' values, the status bar, the eye and the rubber band
    // over the side view.
    void ShowFeedback();
    // Restores the session beside the picture's PGX file, if there is one
    // the user wants; says so in the prompt.
    void ResumeSession();
    // A session's fish with its settings within this picture's ranges.
    Fish FitToPicture(Fish fish) const;
    // The two division fields, written here only: Edit1 shows the step of
    // the tool in use as its builder uses it, Edit2 shows N (it keeps its
    // text while the fish has none).
    void ShowStep();
    void ShowDivisions();
    // The slot of Steps that the step field edits now: the tool's, slot 0
    // with no tool in use, none while a part is being drawn.
    std::optional<int> StepSlotInUse() const;
    // The start of a tool's click: its undo action, and it is the tool in use.
    void BeginTool(Tool tool);
    // A tool that draws its part anew while its step is not done: its prompt,
    // and the side view waits for the drawing. True when it starts one.
    bool StartDrawingUnlessDone();
    // A release over a tool's check box: the step is to be done again.
    void ClearStep(Tool tool);
    void SetFrontOn(bool on);
    void InsertBodyColumn(int px);
    void DeleteBodyColumn(int i);
    // The actions of a press and a release on the side view.
    UndoAction SideViewPressAction(const MouseState& state) const;
    UndoAction SideViewReleaseAction() const;
    // Presses pick points in the tool in use: its part's points are shown for editing.
    bool PicksPoints() const;
    std::optional<int> HitTest(int px, int py) const;
    void FinishRectangle(int px, int py);
    void PlacePectoralCorner(int px, int py);
    void PutPointDown(int px, int py);
    void ApplyEyeDesign(const EyeDesign& design);
    void CancelEyeDesign();

    Dialogs& dialogs_;
    const Views views_;
    std::unique_ptr<TForm3> form3_;
    bool eyeSolidBeforeDesigner_ = false; // what Cancel in the eye designer restores
};
