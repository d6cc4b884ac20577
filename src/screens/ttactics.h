// SPDX-License-Identifier: GPL-3.0-or-later
// The tactics screen ("戦術"): club 0's line-up on the pitch. The member list
// gives players their places, the markers are dragged into the formation,
// "動かす" shows it moving in attack, and formation files keep favourite
// shapes. Every rule is the board's; the screen draws it and passes clicks on.
#pragma once

#include <QPointer>
#include <QWidget>

#include "screens/session.h"

class QTimer;

namespace vm {

class GridView;
class PanelButton;
class TacticsBoardView;
class Tmain;

class Ttactics : public QWidget {
    Q_OBJECT
public:
    // The formation file dialogs' filters and the saved file's extension.
    static constexpr const char* kFormationFilters = "フォーメーション (*.frm);;すべてのファイル (*)";
    static constexpr const char* kFormationExtension = "frm";
    // The preview's timer, in milliseconds.
    static constexpr int kPreviewTick = 20;

    // Opens the screen over club 0 as it stands. With `over`, a borderless
    // window lying over that main screen, which stays open beneath it; without,
    // a window of its own in place of the screen that opened it (which closes
    // itself), going back to the main screen when it closes. Null when the
    // pitch picture cannot be read: the player has been told why.
    static Ttactics* open(const Session& session, Tmain* over);

    TacticsBoardView& pitch() { return *pitch_; }
    // Opened over the main screen (without a frame).
    bool borderless() const { return borderless_; }

signals:
    // The screen has closed; the line-up may have changed.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Ttactics(const Session& session, Tmain* over);

    void buildList();
    void buildButtons();
    // The member list and the markers as the board has them.
    void FormShow();
    // The member list anew, the same player still chosen.
    void showList();
    // Editing (list and buttons) or preview (only "動かす", captioned "戻る").
    void showEditing(bool editing);
    // False, telling the player, while club 0's line-up may not be stored.
    bool lineupOpen();
    // Where "OK" and "戻る" lead when the screen stood in for another.
    bool backToOpener();

    void PokClick();
    void PbackClick();
    void PmoveClick();
    void PcoachClick();
    void PformsaveClick();
    void PformloadClick();
    void previewTick();
    // A player renamed on a card opened from the member list.
    void playerRenamed();

    Session session_;
    QPointer<Tmain> over_;
    bool borderless_;
    TacticsBoardView* pitch_;
    GridView* menberlist;
    PanelButton* Pok;
    PanelButton* Pback;
    PanelButton* Pmove;
    PanelButton* Pcoach;
    PanelButton* Pformsave;
    PanelButton* Pformload;
    QTimer* previewTimer;
};

}  // namespace vm
