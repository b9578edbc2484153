// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/DrillChooser.h"

#include "core/platform/Prompter.h"

#include <QComboBox>
#include <QFile>
#include <QSignalBlocker>

namespace DrillChooser {

bool fill(QComboBox *chooser, const DrillChoices &choices, Prompter &prompter)
{
    const QSignalBlocker blocker(chooser);
    chooser->clear();
    chooser->addItems(choices.names);
    chooser->setCurrentIndex(choices.selected);
    if (choices.names.isEmpty()) {
        prompter.inform(QStringLiteral("当前文件夹中无练习文件！"), QStringLiteral("提示"),
                        Prompter::Icon::Information);
        return false;
    }
    return true;
}

bool askToDeleteEmptyFile(const QString &path, QComboBox *chooser, Prompter &prompter)
{
    const Prompter::Answer answer =
        prompter.ask(QStringLiteral("当前文件中无练习数据！是否删除这个文件？"), QStringLiteral("提示"),
                     Prompter::Icon::Question, Prompter::Buttons::YesNo);
    const int emptyEntry = chooser ? chooser->currentIndex() : -1;
    if (answer == Prompter::Answer::Yes) {
        if (QFile::remove(path)) {
            if (!chooser)
                return false;
            const QSignalBlocker blocker(chooser);
            chooser->removeItem(emptyEntry);
            return chooser->count() > 0;
        }
        prompter.inform(QStringLiteral("无法删除这个文件！"), QStringLiteral("提示"), Prompter::Icon::Error);
    }
    return chooser && emptyEntry > 0;
}

} // namespace DrillChooser
