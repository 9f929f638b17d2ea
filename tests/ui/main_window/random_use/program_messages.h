// The messages the program has: every message shown while the random user works is
// checked against them the moment it comes up.
#pragma once

#include <QRegularExpression>
#include <QStringList>
#include <functional>

#include "tests/support/fake_dialogs.h"
#include "ui/main_window/exports.h"
#include "ui/print/window_print.h"

namespace torsion::random_use {

// ---- what the program may say -------------------------------------------------------

// The conversion errors name a text the user typed: it must be one the windows hold.
// File errors name a path: one the dialogs answered or a data file of the program.
struct MessageRules {
    QStringList texts;
    QStringList paths;
};

inline QString ThroughUtf8(const QString& s) {
    return QString::fromStdString(s.toStdString());
}

inline bool IsProgramMessage(const QString& m, const MessageRules& rules) {
    static const QStringList fixed = {
        QStringLiteral("0 による浮動小数点数除算"),
        QStringLiteral("不正な浮動小数点数演算命令"),
        QStringLiteral("浮動小数点数のオーバーフロー"),
        QStringLiteral("材料特性を変更した場合は、ソフトを一度終了して下さい！"),
        QStringLiteral("本当に現在のデーターNo.の内容を消去"),
        QStringLiteral("履歴が保存されていません。保存しますか？"),
        QString::fromUtf8(kNoPrinterQuestion),
        QString::fromUtf8(kExportRecalculatedNote),
        QStringLiteral("この寸法のばねは図にできません"),
        // The design search's refusals of its requirement.
        QStringLiteral("材料が選ばれていません"),
        QStringLiteral("必要トルク M2 は正の数にしてください"),
        QStringLiteral("ねじれ角 φ2 は正の数にしてください"),
        QStringLiteral("ねじれ角 φ1 が数ではありません"),
        QStringLiteral("ねじれ角 φ1 は φ2 以下にしてください"),
        QStringLiteral("M2 の許容差は 0 以上 100 未満の % で指定してください"),
        QStringLiteral("腕の長さは 0 以上にしてください"),
        QStringLiteral("巻数の範囲は 0 ≦ 最小 ≦ 最大 ≦ 10000 にしてください"),
        QStringLiteral("巻数の端数は 0 以上 1 未満にしてください"),
        QStringLiteral("巻数が 0 です"),
        QStringLiteral("外径の上限は 0（制限なし）以上にしてください"),
        QStringLiteral("案内棒径は 0 以上にしてください"),
        QStringLiteral("コイル径の刻みは 0.001 mm 以上 100 mm 以下にしてください"),
        QStringLiteral("探索範囲が広すぎます（コイル径の刻みを大きくしてください）"),
        QStringLiteral("材料表に探索できる材料がありません"),
        QStringLiteral("選んだ材料は材料表にありません"),
        QStringLiteral("選んだ材料には使える線径がありません"),
    };
    if (fixed.contains(m)) return true;
    const auto options = QRegularExpression::DotMatchesEverythingOption;
    static const QRegularExpression notFloat(QStringLiteral("^'(.*)' は浮動小数点数ではありません$"),
                                             options);
    static const QRegularExpression notInteger(QStringLiteral("^'(.*)' は整数ではありません$"), options);
    static const QRegularExpression cannotOpen(QStringLiteral("^ファイル (.*) は開けません$"), options);
    static const QRegularExpression cannotCreate(QStringLiteral("^ファイル (.*) を作成できません$"), options);
    static const QRegularExpression overwrite(
        QStringLiteral("^番号 ([0-9]+) には計算結果が記憶されています。上書きしますか？$"));
    if (overwrite.match(m).hasMatch()) return true;
    static const QRegularExpression missingRecent(
        QStringLiteral("^ファイル (.*) が見つかりません。最近使ったファイルから外します。$"), options);
    static const QRegularExpression foreignCases(
        QStringLiteral("^ファイル (.*) は履歴ファイルではない可能性があります。読み込みますか？$"), options);
    // The coefficient editor's question about values outside their hints.
    static const QRegularExpression outsideHint(
        QStringLiteral("^(「[^」\n]+」の [^ \n]+ は、目安（[^）\n]+）の外です。\n)+このまま保存しますか？$"));
    if (outsideHint.match(m).hasMatch()) return true;
    for (const QRegularExpression* typed : {&notFloat, &notInteger}) {
        const auto match = typed->match(m);
        if (!match.hasMatch()) continue;
        for (const QString& t : rules.texts)
            if (ThroughUtf8(t) == match.captured(1)) return true;
        return false;
    }
    for (const QRegularExpression* file : {&cannotOpen, &cannotCreate, &foreignCases, &missingRecent}) {
        const auto match = file->match(m);
        if (match.hasMatch()) return rules.paths.contains(match.captured(1));
    }
    return false;
}

// Answers like FakeDialogs and checks every message the moment it is shown, while the
// windows still hold the texts it names.
class CheckingDialogs : public FakeDialogs {
  public:
    std::function<MessageRules(QWidget*)> rules;
    QStringList strayMessages;
    QStringList answeredPaths;

    void showError(QWidget* w, const QString& m) override {
        FakeDialogs::showError(w, m);
        check(w, m);
    }
    void showInformation(QWidget* w, const QString& m) override {
        FakeDialogs::showInformation(w, m);
        check(w, m);
    }
    bool confirm(QWidget* w, const QString& m) override {
        check(w, m);
        return FakeDialogs::confirm(w, m);
    }
    Answer askYesNoCancel(QWidget* w, const QString& m) override {
        check(w, m);
        return FakeDialogs::askYesNoCancel(w, m);
    }
    QString openFileName(QWidget* w, const QString& f, const QString& i) override {
        const QString n = FakeDialogs::openFileName(w, f, i);
        if (!n.isEmpty()) answeredPaths << n;
        return n;
    }
    QString saveFileName(QWidget* w, const QString& f, const QString& i) override {
        const QString n = FakeDialogs::saveFileName(w, f, i);
        if (!n.isEmpty()) answeredPaths << n;
        return n;
    }
    // Answers not taken by a command that ended early must not reach the next one.
    void forgetAnswers() {
        openNames.clear();
        saveNames.clear();
        confirmAnswers.clear();
        yesNoCancelAnswers.clear();
    }

  private:
    void check(QWidget* parent, const QString& m) {
        MessageRules r = rules ? rules(parent) : MessageRules{};
        r.paths << answeredPaths;
        if (!IsProgramMessage(m, r)) strayMessages << m;
    }
};

}  // namespace torsion::random_use
