// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: Qintara developers
#include "gui/practice/ArticleViews.h"

#include "core/platform/WindowsColor.h"
#include "core/practice/ArticleModel.h"
#include "core/settings/Settings.h"
#include "gui/practice/ArticleOptionBoxes.h"
#include "gui/practice/DrillWidgets.h"
#include "gui/practice/StatisticsBar.h"
#include "widgets/InputBox.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextEdit>
#include <QTextFrame>
#include <QVBoxLayout>

#include <limits>
#include <utility>

using Mark = MarkedText::Mark;

namespace {

constexpr int NormalBox = ArticleModel::NormalBox;
constexpr int PairCount = ArticleModel::PairCount;
const QColor plainColor(Qt::black);
const QColor targetBackground(0xff, 0xe0, 0x82);
const QColor sourceLineBackground(0xee, 0xf3, 0xf9);
// The keyboard area rises over the foot of the normal view.
constexpr int normalViewFoot = 13;

QTextEdit *sourceBox(const QString &name, const QString &accessibleName, QWidget *parent)
{
    auto *box = new QTextEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setReadOnly(true);
    box->setUndoRedoEnabled(false);
    box->setFocusPolicy(Qt::NoFocus);
    box->setTextInteractionFlags(Qt::NoTextInteraction);
    return box;
}

// An abreast source line: one line, no scrolling, its text starting where the
// text of the input line below starts, so typed characters stand under their
// originals.
QTextEdit *sourceLine(int line, QWidget *parent)
{
    QTextEdit *box = sourceBox(QStringLiteral("RTBoxAbreast_%1").arg(line),
                               QStringLiteral("第%1行原文").arg(line), parent);
    box->setFrameShape(QFrame::NoFrame);
    box->setLineWrapMode(QTextEdit::NoWrap);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->document()->setDocumentMargin(2);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, sourceLineBackground);
    box->setPalette(palette);
    return box;
}

InputBox *inputLine(int line, QWidget *parent)
{
    InputBox *box = DrillWidgets::inputBox(QStringLiteral("TextAbreas_%1").arg(line), parent);
    box->setAccessibleName(QStringLiteral("第%1行输入").arg(line));
    box->setEnabled(false);
    return box;
}

// The text of a source line starts where the text of a line edit does.
void alignWithInputLine(QTextEdit *line)
{
    QTextFrame *root = line->document()->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    format.setLeftMargin(4);
    root->setFrameFormat(format);
}

// The face of a view's text: large enough for Chinese characters to read
// easily; the abreast lines as wide as their longest line allows (23 Chinese
// or 44 fixed-pitch English characters).
QFont textFont(const QFont &base, Language language, bool abreast)
{
    QFont font = language == Language::English && abreast ? QFontDatabase::systemFont(QFontDatabase::FixedFont)
                                                          : base;
    if (abreast)
        font.setPixelSize(language == Language::Chinese ? 17 : 15);
    else
        font.setPixelSize(language == Language::Chinese ? 20 : 18);
    return font;
}

// Scrolls a wrapping source box so that the typing position stays in sight,
// with the line before it above, as a reader follows a page.
void keepInSight(QTextEdit *box)
{
    const QRect caret = box->cursorRect();
    if (caret.top() >= 0 && caret.bottom() <= box->viewport()->height())
        return;
    QScrollBar *bar = box->verticalScrollBar();
    bar->setValue(bar->value() + caret.top() - caret.height());
}

} // namespace

ArticleViews::ArticleViews(ArticleModel &model, const Settings &settings, ArticleOptionBoxes &options,
                           QFrame *Frame7, QFrame *Frame15, StatisticsBar *Frame2, QObject *parent)
    : QObject(parent),
      RichTextBox2(sourceBox(QStringLiteral("RichTextBox2"), QStringLiteral("文章原文"), Frame7)),
      Text9(DrillWidgets::inputBox(QStringLiteral("Text9"), Frame7)),
      Label11(DrillWidgets::hintLabel(QStringLiteral("Label11"), Frame7)),
      m_model(model), m_settings(settings), m_options(options), m_Label21(Frame2->Label21()),
      m_Label22(Frame2->Label22())
{
    m_sources[NormalBox] = RichTextBox2;
    m_inputs[NormalBox] = Text9;
    for (int line = 1; line <= PairCount; ++line) {
        m_sources[std::size_t(line)] = sourceLine(line, Frame15);
        m_inputs[std::size_t(line)] = inputLine(line, Frame15);
    }
    placeNormalView(Frame7, options);
    placeAbreastView(Frame15);
    Frame2->placeAbreastOptions(options.Check7, options.Check6);

    for (int box = 0; box <= PairCount; ++box) {
        InputBox *input = m_inputs[std::size_t(box)];
        connect(input, &InputBox::keyDown, this, [this, box](int keyCode, int) { input_KeyDown(box, keyCode); });
        connect(input, &InputBox::keyPress, this, [this, box](int &code) { input_KeyPress(box, code); });
        connect(input, &InputBox::change, this, [this, box] { input_Change(box); });
        connect(input, &InputBox::gotFocus, this, [this, box] { input_GotFocus(box); });
    }
    // A click on an option box brings the focus back to the box typed in, as
    // if it had left: the hints follow the new option at once.
    for (QCheckBox *box : {options.Check3, options.Check4, options.Check7, options.Check6}) {
        connect(box, &QCheckBox::clicked, this, [this] {
            if (m_opened)
                input_GotFocus(m_model.currentBox());
        });
    }

    connect(&m_model, &ArticleModel::sourcesChanged, this, &ArticleViews::showSources);
    connect(&m_model, &ArticleModel::marksChanged, this, &ArticleViews::showMarks);
    connect(&m_model, &ArticleModel::targetChanged, this, &ArticleViews::showTarget);
    connect(&m_model, &ArticleModel::hintsChanged, this, &ArticleViews::showHints);
    connect(&m_model, &ArticleModel::focusWanted, this, &ArticleViews::giveFocus);
}

void ArticleViews::placeNormalView(QFrame *Frame7, ArticleOptionBoxes &options)
{
    RichTextBox2->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RichTextBox2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Label11->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Label11->setWordWrap(true);
    Label11->setAccessibleDescription(QStringLiteral("提示"));
    Label11->setMinimumHeight(Label11->fontMetrics().lineSpacing() * 2);
    Text9->setMaxLength(std::numeric_limits<int>::max());

    auto *column = new QVBoxLayout(Frame7);
    column->setContentsMargins(6, 6, 6, normalViewFoot);
    column->setSpacing(4);
    column->addWidget(RichTextBox2, 1);
    column->addWidget(Label11);
    column->addWidget(Text9);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(options.Check3);
    row->addWidget(options.Check4);
    column->addLayout(row);
}

void ArticleViews::placeAbreastView(QFrame *Frame15)
{
    // The view covers the keyboards below it.
    Frame15->setAutoFillBackground(true);
    auto *column = new QVBoxLayout(Frame15);
    column->setContentsMargins(6, 2, 6, 2);
    column->setSpacing(2);
    for (int line = 1; line <= PairCount; ++line) {
        auto *pair = new QVBoxLayout;
        pair->setSpacing(0);
        pair->addWidget(m_sources[std::size_t(line)]);
        pair->addWidget(m_inputs[std::size_t(line)]);
        column->addLayout(pair);
    }
    column->addStretch();
}

QTextEdit *ArticleViews::source(int box) const
{
    return box >= 0 && box <= PairCount ? m_sources[std::size_t(box)] : nullptr;
}

InputBox *ArticleViews::input(int box) const
{
    return box >= 0 && box <= PairCount ? m_inputs[std::size_t(box)] : nullptr;
}

void ArticleViews::input_KeyDown(int box, int keyCode)
{
    m_inputs[std::size_t(box)]->end(false);
    m_model.keyDown(box, keyCode);
}

void ArticleViews::input_KeyPress(int box, int &code)
{
    InputBox *input = m_inputs[std::size_t(box)];
    const int current = m_model.currentBox();
    if (!input->isEnabled() && box != current) {
        // A disabled line takes no keys: this is the rest of an input-method
        // commit that filled the line, which has handed over to the next.
        typeInto(current, std::exchange(code, 0));
        return;
    }
    // A commit types no key down; the caret goes to the end all the same.
    input->end(false);
    if (m_model.keyPress(box, char32_t(code), input->text()).swallow)
        code = 0;
}

void ArticleViews::typeInto(int box, int code)
{
    input_KeyPress(box, code);
    if (code != 0) {
        const char32_t character = char32_t(code);
        m_inputs[std::size_t(box)]->insert(QString::fromUcs4(&character, 1));
    }
}

void ArticleViews::input_Change(int box)
{
    m_model.change(box, m_inputs[std::size_t(box)]->text());
}

void ArticleViews::input_GotFocus(int box)
{
    // Focus the model asked for comes with the model's own change.
    if (!m_focusing)
        input_Change(box);
    m_options.setFromSettings();
}

void ArticleViews::showSources()
{
    m_opened = true;
    const bool abreast = m_model.view() == ArticleModel::View::Abreast;
    const QFont font = textFont(RichTextBox2->parentWidget()->font(), m_model.language(), abreast);
    for (int box = 0; box <= PairCount; ++box) {
        const ArticleModel::Box &shown = m_model.box(box);
        QTextEdit *source = m_sources[std::size_t(box)];
        InputBox *input = m_inputs[std::size_t(box)];
        source->setFont(font);
        input->setFont(font);
        if (box != NormalBox) {
            // Eight pairs fill the height of the panel.
            const int height = QFontMetrics(font).height();
            source->setFixedHeight(height + 4);
            input->setFixedHeight(height + 6);
        }
        source->setPlainText(shown.source.text());
        if (box != NormalBox)
            alignWithInputLine(source);
        showMarks(box, 0, shown.source.text().size());
        {
            // The model has run the change of the box to type in already.
            const QSignalBlocker blocker(input);
            input->clear();
            if (box != NormalBox)
                input->setMaxLength(int(m_model.maxLength(box)));
        }
        showTarget(box);
    }
}

void ArticleViews::showMarks(int box, qsizetype start, qsizetype length)
{
    QTextEdit *source = m_sources[std::size_t(box)];
    const qsizetype end = start + length;
    for (const MarkedText::Run &run : m_model.box(box).source.runs()) {
        const qsizetype from = qMax(start, run.start);
        const qsizetype to = qMin(end, run.start + run.length);
        if (from >= to)
            continue;
        QTextCharFormat format;
        switch (run.mark) {
        case Mark::Plain:
            format.setForeground(plainColor);
            break;
        case Mark::Right:
            format.setForeground(WindowsColor::toQColor(m_settings.RightColor));
            break;
        case Mark::Wrong:
            format.setForeground(WindowsColor::toQColor(m_settings.ErrorColor));
            break;
        }
        QTextCursor cursor(source->document());
        cursor.setPosition(int(from));
        cursor.setPosition(int(to), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
}

void ArticleViews::showTarget(int box)
{
    const ArticleModel::Box &shown = m_model.box(box);
    QTextEdit *source = m_sources[std::size_t(box)];
    m_inputs[std::size_t(box)]->setEnabled(shown.enabled);

    // Only the box being typed in shows its target.
    QList<QTextEdit::ExtraSelection> highlight;
    if (shown.enabled && shown.selectionLength() > 0) {
        QTextEdit::ExtraSelection target;
        target.cursor = QTextCursor(source->document());
        target.cursor.setPosition(int(shown.selectionStart()));
        target.cursor.setPosition(int(shown.selectionStart() + shown.selectionLength()), QTextCursor::KeepAnchor);
        target.format.setBackground(targetBackground);
        highlight.append(target);
    }
    source->setExtraSelections(highlight);
    QTextCursor caret(source->document());
    caret.setPosition(int(shown.selectionStart()));
    source->setTextCursor(caret);
    if (box == NormalBox)
        keepInSight(source);
}

void ArticleViews::showHints()
{
    const ArticleHints::Labels labels = m_model.labels();
    Label11->setText(labels.Label11);
    m_Label21->setText(labels.Label21);
    m_Label22->setText(labels.Label22);
}

void ArticleViews::giveFocus(int box)
{
    InputBox *input = m_inputs[std::size_t(box)];
    input->setEnabled(m_model.box(box).enabled);
    const QScopedValueRollback focusing(m_focusing, true);
    input->setFocus(Qt::OtherFocusReason);
}
