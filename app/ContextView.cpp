#include "ContextView.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>

#include "GbkDisplay.h"

namespace corvane::app {

// A read-only text whose left margin shows the file's line number of every line.
class LineNumberedText final : public QPlainTextEdit {
public:
    explicit LineNumberedText(QWidget* parent) : QPlainTextEdit(parent), gutter_(new Gutter(this)) {
        setReadOnly(true);
        setLineWrapMode(QPlainTextEdit::NoWrap);
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
            if (dy != 0)
                gutter_->scroll(0, dy);
            else
                gutter_->update(0, rect.y(), gutter_->width(), rect.height());
        });
    }

    void setFirstNumber(long long first) {
        firstNumber_ = first;
        setViewportMargins(GutterWidth(), 0, 0, 0);
        gutter_->update();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QPlainTextEdit::resizeEvent(event);
        const QRect area = contentsRect();
        gutter_->setGeometry(area.left(), area.top(), GutterWidth(), area.height());
    }

private:
    class Gutter final : public QWidget {
    public:
        explicit Gutter(LineNumberedText* text) : QWidget(text), text_(text) {}

    protected:
        void paintEvent(QPaintEvent* event) override { text_->PaintGutter(event); }

    private:
        LineNumberedText* text_;
    };

    int GutterWidth() const {
        const long long last = firstNumber_ + std::max(blockCount(), 1) - 1;
        return 12 + fontMetrics().horizontalAdvance(QString::number(last));
    }

    void PaintGutter(QPaintEvent* event) {
        QPainter painter(gutter_);
        painter.fillRect(event->rect(), palette().color(QPalette::AlternateBase));
        painter.setPen(palette().color(QPalette::Disabled, QPalette::Text));
        QTextBlock block = firstVisibleBlock();
        int top = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
        while (block.isValid() && top <= event->rect().bottom()) {
            const int height = qRound(blockBoundingRect(block).height());
            if (block.isVisible() && top + height >= event->rect().top()) {
                painter.drawText(0, top, gutter_->width() - 6, fontMetrics().height(),
                                 Qt::AlignRight,
                                 QString::number(firstNumber_ + block.blockNumber()));
            }
            block = block.next();
            top += height;
        }
    }

    Gutter* gutter_;
    long long firstNumber_ = 1;
};

ContextView::ContextView(std::string path, FileStamp scanned, FindingPlace place,
                         std::string finding, QWidget* parent)
    : QDialog(parent),
      path_(std::move(path)),
      scanned_(scanned),
      place_(place),
      finding_(std::move(finding)) {
    setObjectName(QStringLiteral("ContextView"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    const QString file = QFile::decodeName(QByteArray::fromStdString(path_));
    setWindowTitle(QStringLiteral("日志上下文 - %1").arg(file));

    auto* layout = new QVBoxLayout(this);
    heading_ = new QLabel(QStringLiteral("%1 第%2行").arg(file).arg(place_.line), this);
    heading_->setTextFormat(Qt::PlainText);
    heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(heading_);
    problem_ = new QLabel(this);
    problem_->setTextFormat(Qt::PlainText);
    problem_->setWordWrap(true);
    problem_->hide();
    layout->addWidget(problem_);
    text_ = new LineNumberedText(this);
    text_->setObjectName(QStringLiteral("ContextText"));
    layout->addWidget(text_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(text_->verticalScrollBar(), &QScrollBar::valueChanged, this, &ContextView::onScroll);
    text_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(text_, &QWidget::customContextMenuRequested, this, &ContextView::showMenu);
    load();
    // Lines get room to be read; a message alone gets a box of its own size.
    if (text_->isHidden())
        adjustSize();
    else
        resize(900, 600);
}

void ContextView::load() {
    loading_ = true;
    const LogExcerpt excerpt = ReadLogExcerpt(path_, scanned_, place_, finding_, before_, after_);
    if (excerpt.status != ExcerptStatus::Ok) {
        problem_->setText(excerpt.status == ExcerptStatus::CannotOpen
                              ? QStringLiteral("无法打开日志文件。")
                              : QStringLiteral("日志文件在分析之后已改变，该行已不在原处，"
                                               "无法显示它的上下文。"));
        problem_->show();
        text_->clear();
        text_->hide();
        lines_.clear();
        lineCount_ = 0;
        loading_ = false;
        return;
    }
    // The line is still in its place, but what is around it may not be what the
    // scan read.
    problem_->setText(QStringLiteral("日志文件在分析之后已改变，下面是它现在的内容。"));
    problem_->setVisible(excerpt.fileChanged);
    text_->show();
    atStart_ = excerpt.atStart;
    atEnd_ = excerpt.atEnd;
    firstNumber_ = excerpt.lines.front().number;
    lineCount_ = static_cast<int>(excerpt.lines.size());
    lines_ = std::move(excerpt.lines);

    QStringList lines;
    lines.reserve(lineCount_);
    for (const ExcerptLine& line : lines_) lines << FromGbkLine(line.text);
    text_->setPlainText(lines.join(QLatin1Char('\n')));
    text_->setFirstNumber(firstNumber_);

    // The finding's line stands out and is in view.
    const QTextBlock block =
        text_->document()->findBlockByNumber(static_cast<int>(place_.line - firstNumber_));
    QTextEdit::ExtraSelection mark;
    mark.format.setBackground(QColor(255, 236, 140));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    mark.cursor = QTextCursor(block);
    text_->setExtraSelections({mark});
    text_->setTextCursor(QTextCursor(block));
    text_->centerCursor();
    loading_ = false;
}

void ContextView::onScroll(int value) {
    if (loading_) return;
    const QScrollBar* bar = text_->verticalScrollBar();
    if (value == bar->minimum() && !atStart_)
        showMoreBefore();
    else if (value == bar->maximum() && !atEnd_)
        showMoreAfter();
}

void ContextView::showMoreBefore() {
    if (atStart_) return;
    before_ += kStep;
    load();
}

void ContextView::showMoreAfter() {
    if (atEnd_) return;
    after_ += kStep;
    load();
}

void ContextView::setMergedOpener(std::function<void(const ExcerptLine&)> open) {
    openMerged_ = std::move(open);
}

void ContextView::showMenu(const QPoint& pos) {
    // The text's own menu (copy, select all), shown without waiting for it.
    QMenu* menu = text_->createStandardContextMenu(pos);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto at = static_cast<std::size_t>(text_->cursorForPosition(pos).blockNumber());
    if (openMerged_ && at < lines_.size()) {
        menu->addSeparator();
        connect(menu->addAction(QStringLiteral("各服务同时段日志…")), &QAction::triggered, this,
                [this, line = lines_[at]] { openMerged_(line); });
    }
    menu->popup(text_->viewport()->mapToGlobal(pos));
}

void ContextView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    text_->centerCursor();
}

QString ContextView::text() const { return text_->toPlainText(); }

long long ContextView::lastLineNumber() const { return firstNumber_ + lineCount_ - 1; }

QString ContextView::problem() const { return problem_->isHidden() ? QString() : problem_->text(); }

}  // namespace corvane::app
