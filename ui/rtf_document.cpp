#include "ui/rtf_document.h"

#include <QFile>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

namespace lirvo::ui {

std::vector<rtf::Paragraph> readRtfDocument(const QString& path) {
    return rtf::readRtfFile(QFile::encodeName(path).toStdString());
}

void fillDocument(QTextDocument& document, const std::vector<rtf::Paragraph>& paragraphs) {
    document.clear();
    QTextCursor cursor(&document);
    bool first = true;
    for (const rtf::Paragraph& paragraph : paragraphs) {
        if (!first) cursor.insertBlock();
        first = false;
        for (const rtf::Run& run : paragraph.runs) {
            QTextCharFormat format;
            format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.italic);
            format.setFontUnderline(run.underline);
            if (run.halfPoints > 0) format.setFontPointSize(run.halfPoints / 2.0);
            cursor.insertText(QString::fromStdString(run.text), format);
        }
    }
}

}  // namespace lirvo::ui
