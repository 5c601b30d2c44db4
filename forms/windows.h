// SPDX-License-Identifier: GPL-3.0-or-later
// The flow between the input and result windows. A successful "&Proceed" hides
// frmMain (its values stay), creates frmDisplay when needed, fills and shows it;
// "&Back" unloads frmDisplay and shows frmMain again. Closing either window
// unloads it and reports `unloaded`; what follows (the farewell window, the end
// of the program) is the shell's decision, as are the web links and About box.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include "forms/coordinate_lookup.h"
#include "forms/link.h"
#include "ui/message_boxes.h"
#include "workflow/evaluation.h"

namespace velnora {

class FrmDisplay;
class FrmMain;

class Windows : public QObject {
    Q_OBJECT
public:
    Windows(MessageBoxes& boxes, CoordinateLookupFactory lookup, QObject* parent = nullptr);
    ~Windows() override;

    FrmMain* main() const;        // nullptr once unloaded
    FrmDisplay* display() const;  // nullptr when not loaded
    void showMain();              // loads frmMain if needed and shows it modeless

Q_SIGNALS:
    void loaded(QWidget* window);    // frmMain or frmDisplay has just been made
    void unloaded(QWidget* window);  // frmMain or frmDisplay is unloading
    void farewellHideRequested();    // the evaluation and Back hide the farewell window
    void linkRequested(velnora::Link link);
    void aboutRequested(QWidget* parent);

private:
    void showResult(const EvaluationResult& result);
    void back();

    MessageBoxes& boxes_;
    CoordinateLookupFactory lookup_;
    QPointer<FrmMain> main_;
    QPointer<FrmDisplay> display_;
};

}  // namespace velnora
