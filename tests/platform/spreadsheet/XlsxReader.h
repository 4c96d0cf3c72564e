#pragma once

#include <QByteArray>
#include <QMap>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QXmlStreamReader>

#include <zip.h>

#include <functional>
#include <optional>

namespace tests {

// How a cell of a saved file looks, as its style record says.
struct FileCellFormat {
    bool bold = false;
    double fontSize = 11;
    QString fill;           // the solid fill's colour as the file spells it ("FF00FFFF"), empty for none
    QString horizontal;     // "left", "center" ... empty for general
    QString vertical;       // "top", "center", empty for bottom
    bool wrap = false;
    QString numberFormat = QStringLiteral("General");
    QString left, top, bottom, right;   // border styles ("thin"), empty for none
    bool operator==(const FileCellFormat&) const = default;
};

// Reads back a saved workbook file: its parts through libzip, their XML through QXmlStreamReader,
// and texts decoded as spreadsheet programs decode them.
class XlsxReader {
public:
    explicit XlsxReader(const QString& path) : archive_(zip_open(path.toLocal8Bit().constData(), ZIP_RDONLY, nullptr)) {}
    ~XlsxReader() {
        if (archive_) zip_close(archive_);
    }
    XlsxReader(const XlsxReader&) = delete;
    XlsxReader& operator=(const XlsxReader&) = delete;

    bool isOpen() const { return archive_ != nullptr; }
    bool hasPart(const QString& name) const { return archive_ && zip_name_locate(archive_, name.toUtf8(), 0) >= 0; }

    QStringList sheetNames() const {
        QStringList names;
        forEach("xl/workbook.xml", [&](QXmlStreamReader& xml) {
            if (xml.name() == u"sheet") names << xml.attributes().value("name").toString();
        });
        return names;
    }

    // Cell texts of worksheet n (from 1) by address: shared strings resolved, numbers as written.
    QMap<QString, QString> cells(int sheet) const {
        QStringList strings;
        forEach("xl/sharedStrings.xml", [&](QXmlStreamReader& xml) {
            if (xml.name() == u"t") strings << decoded(xml.readElementText());
        });
        QMap<QString, QString> values;
        QString address, type;
        forEach(sheetPart(sheet), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"c") {
                address = xml.attributes().value("r").toString();
                type = xml.attributes().value("t").toString();
            } else if (xml.name() == u"v") {
                const QString text = xml.readElementText();
                values[address] = type == u"s" ? strings.value(text.toInt()) : text;
            }
        });
        return values;
    }

    // How the file holds a cell's value: "text" or "number" (dates are numbers); empty for a cell it does not hold.
    QString kind(int sheet, const QString& address) const {
        QString kind;
        forEach(sheetPart(sheet), [&](QXmlStreamReader& xml) {
            if (xml.name() != u"c" || xml.attributes().value("r") != address) return;
            const QStringView type = xml.attributes().value("t");
            kind = type == u"s" || type == u"str" || type == u"inlineStr" ? QStringLiteral("text") : QStringLiteral("number");
        });
        return kind;
    }

    // The format of a cell the file holds; nullopt for a cell it does not hold.
    std::optional<FileCellFormat> format(int sheet, const QString& address) const {
        std::optional<int> style;
        forEach(sheetPart(sheet), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"c" && xml.attributes().value("r") == address) style = xml.attributes().value("s").toInt();
        });
        if (!style) return std::nullopt;
        return styles().value(*style);
    }

    // Widths in characters as the model gives them (the file adds the cell's margins), heights in points.
    std::optional<double> columnWidth(int sheet, int column) const {
        std::optional<double> width;
        forEach(sheetPart(sheet), [&](QXmlStreamReader& xml) {
            const auto at = xml.attributes();
            if (xml.name() == u"col" && at.value("min").toInt() <= column && column <= at.value("max").toInt() &&
                at.hasAttribute("width")) {
                width = (at.value("width").toDouble() * 7 - 5) / 7;
            }
        });
        return width;
    }
    std::optional<double> rowHeight(int sheet, int row) const {
        std::optional<double> height;
        forEach(sheetPart(sheet), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"row" && xml.attributes().value("r").toInt() == row && xml.attributes().hasAttribute("ht")) {
                height = xml.attributes().value("ht").toDouble();
            }
        });
        return height;
    }

    QStringList mergedRanges(int sheet) const {
        QStringList ranges;
        forEach(sheetPart(sheet), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"mergeCell") ranges << xml.attributes().value("ref").toString();
        });
        return ranges;
    }

    // The top left cell of each picture of drawing n, as "row,column" counted from 0.
    QStringList pictureAnchors(int drawing) const {
        QStringList anchors;
        QString column;
        forEach(QStringLiteral("xl/drawings/drawing%1.xml").arg(drawing), [&](QXmlStreamReader& xml) {
            if (xml.name() == u"from") {
                xml.readNextStartElement();
                column = xml.readElementText();   // col
                xml.readNextStartElement();       // colOff
                xml.skipCurrentElement();
                xml.readNextStartElement();       // row
                anchors << xml.readElementText() + QLatin1Char(',') + column;
            }
        });
        return anchors;
    }

private:
    static QString sheetPart(int sheet) { return QStringLiteral("xl/worksheets/sheet%1.xml").arg(sheet); }

    // _xHHHH_ is the character HHHH, wherever it stands.
    static QString decoded(QString text) {
        static const QRegularExpression sequence(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
        QRegularExpressionMatch match;
        for (qsizetype from = 0; (match = sequence.match(text, from)).hasMatch();) {
            const QChar character(match.captured(1).toUShort(nullptr, 16));
            text.replace(match.capturedStart(), match.capturedLength(), character);
            from = match.capturedStart() + 1;
        }
        return text;
    }

    // The cell formats of styles.xml, by index.
    QVector<FileCellFormat> styles() const {
        QMap<int, QString> numberFormats{{0, QStringLiteral("General")}};
        QVector<FileCellFormat> fonts, fills, borders, formats;
        QString section;
        forEach("xl/styles.xml", [&](QXmlStreamReader& xml) {
            const QStringView name = xml.name();
            const auto at = xml.attributes();
            if (name == u"numFmt") {
                numberFormats[at.value("numFmtId").toInt()] = at.value("formatCode").toString();
            } else if (name == u"fonts" || name == u"fills" || name == u"borders" || name == u"cellXfs" ||
                       name == u"cellStyleXfs") {
                section = name.toString();
            } else if (section == u"fonts") {
                if (name == u"font") fonts.append(FileCellFormat{});
                if (name == u"b") fonts.last().bold = true;
                if (name == u"sz") fonts.last().fontSize = at.value("val").toDouble();
            } else if (section == u"fills") {
                if (name == u"fill") fills.append(FileCellFormat{});
                if (name == u"fgColor") fills.last().fill = at.value("rgb").toString();
            } else if (section == u"borders") {
                if (name == u"border") borders.append(FileCellFormat{});
                QString* edge = name == u"left" ? &borders.last().left : name == u"right" ? &borders.last().right
                                : name == u"top" ? &borders.last().top : name == u"bottom" ? &borders.last().bottom
                                                   : nullptr;
                if (edge) *edge = at.value("style").toString();
            } else if (section == u"cellXfs") {
                if (name == u"xf") {
                    const FileCellFormat& font = fonts.value(at.value("fontId").toInt());
                    const FileCellFormat& border = borders.value(at.value("borderId").toInt());
                    FileCellFormat cell;
                    cell.bold = font.bold;
                    cell.fontSize = font.fontSize;
                    cell.fill = fills.value(at.value("fillId").toInt()).fill;
                    cell.left = border.left;
                    cell.right = border.right;
                    cell.top = border.top;
                    cell.bottom = border.bottom;
                    const int numberFormat = at.value("numFmtId").toInt();
                    cell.numberFormat = numberFormats.value(numberFormat, QStringLiteral("built-in %1").arg(numberFormat));
                    formats.append(cell);
                }
                if (name == u"alignment") {
                    formats.last().horizontal = at.value("horizontal").toString();
                    formats.last().vertical = at.value("vertical").toString();
                    formats.last().wrap = at.value("wrapText") == u"1";
                }
            }
        });
        return formats;
    }

    QByteArray part(const QString& name) const {
        zip_stat_t stat;
        if (!archive_ || zip_stat(archive_, name.toUtf8().constData(), 0, &stat) != 0) return {};
        zip_file_t* file = zip_fopen(archive_, name.toUtf8().constData(), 0);
        QByteArray bytes(static_cast<qsizetype>(stat.size), '\0');
        zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        return bytes;
    }
    // Calls fn at every start element of the part.
    void forEach(const QString& name, const std::function<void(QXmlStreamReader&)>& fn) const {
        QXmlStreamReader xml(part(name));
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement) fn(xml);
        }
    }

    zip_t* archive_;
};

}  // namespace tests
