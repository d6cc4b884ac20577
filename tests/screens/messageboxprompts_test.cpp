// SPDX-License-Identifier: GPL-3.0-or-later
// The message-box prompts: answers come back as the player gave them, texts
// survive the trip in both directions, and a bare Enter never says yes.
#include "screens/messageboxprompts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vm {
namespace {

// Runs `act` on the modal dialog as soon as it is up.
void whenDialogOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(dialog);
    });
}

QString labelTexts(QWidget* dialog) {
    QString all;
    for (QLabel* l : dialog->findChildren<QLabel*>()) all += l->text() + "\n";
    return all;
}

TEST(MessageBoxPrompts, messagesAndErrorsShowTheirText) {
    MessageBoxPrompts prompts;
    QString shown;
    const auto readAndClose = [&](QWidget* d) {
        shown = labelTexts(d);
        static_cast<QMessageBox*>(d)->button(QMessageBox::Ok)->click();
    };
    whenDialogOpens(readAndClose);
    prompts.message("チームが選択されていません");
    EXPECT_TRUE(shown.contains(QString::fromUtf8("チームが選択されていません"))) << shown.toStdString();
    whenDialogOpens(readAndClose);
    prompts.error("data/skin/title.jpg を開けません");
    EXPECT_TRUE(shown.contains(QString::fromUtf8("data/skin/title.jpg を開けません"))) << shown.toStdString();
}

TEST(MessageBoxPrompts, aNameThatLooksLikeMarkupIsShownAsWritten) {
    MessageBoxPrompts prompts;
    int plain = 0;
    const auto readAndCancel = [&](QWidget* d) {
        for (QLabel* l : d->findChildren<QLabel*>())
            plain += l->text() == "<b>FC</b>" && l->textFormat() == Qt::PlainText;
        static_cast<QDialog*>(d)->reject();
    };
    whenDialogOpens(readAndCancel);
    prompts.askYesNo("<b>FC</b>");
    whenDialogOpens(readAndCancel);
    prompts.input("チーム名変更", "<b>FC</b>", "");
    EXPECT_EQ(plain, 2);
}

TEST(MessageBoxPrompts, yesAndNoComeBackAsAnswered) {
    MessageBoxPrompts prompts;
    QString shown;
    whenDialogOpens([&](QWidget* d) {
        shown = labelTexts(d);
        static_cast<QMessageBox*>(d)->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(prompts.askYesNo("ファイル名a.datは既に存在しています。上書きしますか"));
    EXPECT_TRUE(shown.contains(QString::fromUtf8("上書きしますか")));

    whenDialogOpens([](QWidget* d) { static_cast<QMessageBox*>(d)->button(QMessageBox::No)->click(); });
    EXPECT_FALSE(prompts.askYesNo("上書きしますか"));
}

TEST(MessageBoxPrompts, enterAloneAnswersNoAndCancel) {
    MessageBoxPrompts prompts;
    whenDialogOpens([](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
    EXPECT_FALSE(prompts.askYesNo("上書きしますか"));
    whenDialogOpens([](QWidget* d) { QTest::keyClick(d, Qt::Key_Return); });
    EXPECT_FALSE(prompts.askOkCancel("よろしいですか"));
}

TEST(MessageBoxPrompts, typedTextComesBackAndCancelGivesNothing) {
    MessageBoxPrompts prompts;
    QString initial;
    whenDialogOpens([&](QWidget* d) {
        auto* edit = d->findChild<QLineEdit*>();
        ASSERT_NE(edit, nullptr);
        initial = edit->text();
        edit->setText(QString::fromUtf8("ヴェルモーラ　ＦＣ"));
        static_cast<QInputDialog*>(d)->accept();
    });
    EXPECT_EQ(prompts.input("コメント追加", "コメントを入力できます", "なし"), "ヴェルモーラ　ＦＣ");
    EXPECT_EQ(initial, QString::fromUtf8("なし"));

    whenDialogOpens([](QWidget* d) { static_cast<QInputDialog*>(d)->reject(); });
    EXPECT_EQ(prompts.input("新規ファイル名", "ファイル名を入力してください", ""), std::nullopt);
}

}  // namespace
}  // namespace vm
