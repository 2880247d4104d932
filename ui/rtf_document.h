// Our help file, read by the RTF reader and set into a text document with its formatting.
#pragma once

#include <QString>
#include <QTextDocument>
#include <vector>

#include "ui/rtf_reader.h"

namespace lirvo::ui {

std::vector<rtf::Paragraph> readRtfDocument(const QString& path);
void fillDocument(QTextDocument& document, const std::vector<rtf::Paragraph>& paragraphs);

}  // namespace lirvo::ui
