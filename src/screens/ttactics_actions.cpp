// SPDX-License-Identifier: GPL-3.0-or-later
// What the tactics screen's buttons do: store the line-up and leave, the
// coach's choice, the moving preview and the formation files. Each hands the
// work to the board and draws it again.
#include <QCloseEvent>
#include <QTimer>

#include <filesystem>

#include "screens/screenhost.h"
#include "screens/tacticsboardview.h"
#include "screens/tmain.h"
#include "screens/ttactics.h"
#include "util/errors.h"

namespace vm {

bool Ttactics::lineupOpen() {
    if (!over_ || over_->flow().canchangelineup()) return true;
    session_.prompts.message(kNotNowText);
    return false;
}

// Back to the transfer screen between the window's weeks, else the main screen.
bool Ttactics::backToOpener() {
    if (session_.world.trade) return session_.host.openTrade(false) != nullptr;
    return session_.host.openMain() != nullptr;
}

void Ttactics::PokClick() {
    if (!lineupOpen()) return;
    if (!pitch_->board().tacticssave()) {
        session_.prompts.message(kMembersMissing);
        return;
    }
    session_.host.refreshCards();
    PbackClick();
}

void Ttactics::PbackClick() {
    // Over the main screen, that screen is still there beneath.
    if (!borderless_ && !backToOpener()) return;
    close();
}

void Ttactics::closeEvent(QCloseEvent* event) {
    previewTimer->stop();
    QWidget::closeEvent(event);
    emit closed();
}

void Ttactics::PmoveClick() {
    TacticsBoard& board = pitch_->board();
    if (board.previewing()) {
        previewTimer->stop();
        board.stopPreview();
        showEditing(true);
        pitch_->refresh();
        return;
    }
    if (!lineupOpen()) return;
    // Starting stores the line-up as "OK" does; when some place is empty the
    // club's line-up as it was takes the pitch.
    const TacticsBoard::PreviewStart start = board.startPreview();
    if (const char* refusal = TacticsBoard::previewRefusal(start)) session_.prompts.message(refusal);
    session_.host.refreshCards();
    showList();
    if (!board.previewing()) return;
    showEditing(false);
    pitch_->refresh();
    previewTimer->start();
}

void Ttactics::previewTick() {
    pitch_->board().previewStep();
    pitch_->refresh();
}

void Ttactics::PcoachClick() {
    if (!lineupOpen()) return;
    try {
        pitch_->board().coachSelect();
    } catch (const DataError& e) {
        session_.prompts.error(e.what());
    }
    session_.host.refreshCards();
    FormShow();
}

void Ttactics::playerRenamed() {
    pitch_->board().rereadNames();
    showList();
    pitch_->refresh();
}

void Ttactics::PformsaveClick() {
    try {
        const std::optional<std::filesystem::path> file =
            session_.prompts.saveFile("フォーメーションを保存", formationFolder(session_.world),
                                      kFormationFilters, kFormationExtension);
        if (!file) return;
        std::error_code ec;
        if (std::filesystem::exists(*file, ec) && !session_.prompts.askOkCancel(kFormationOverwrite)) return;
        pitch_->board().formationSave(*file);
    } catch (const DataError& e) {
        session_.prompts.error(e.what());
    }
}

void Ttactics::PformloadClick() {
    try {
        const std::optional<std::filesystem::path> file = session_.prompts.openFile(
            "フォーメーションを開く", formationFolder(session_.world), kFormationFilters);
        if (!file) return;
        pitch_->board().formationOpen(*file);
    } catch (const FormatError& e) {
        session_.prompts.error(e.what());  // kFormationUnusable
    } catch (const DataError& e) {
        session_.prompts.error(e.what());
    }
    pitch_->refresh();
}

}  // namespace vm
