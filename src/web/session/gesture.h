#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <variant>

namespace korvalde::web {

// The largest text message a page sends: a typed weapon name is far below it.
inline constexpr qsizetype kLargestMessage = 64 * 1024;
// An upload is one binary message: a line of JSON that names it, then the file's bytes.
inline constexpr qsizetype kLargestUploadHeader = 4 * 1024;
// A page sends a file's first bytes only up to one more than a sheet may have, so that
// a larger file is refused as the desktop refuses it, without travelling whole.
inline constexpr qsizetype kLargestUploadContent = 64 * 1024 + 1;

// One thing the user did on the page.
struct Gesture {
    enum class Kind { Click, Pick, Type, Close, Upload };
    Kind kind = Kind::Click;
    qint64 id = 0;      // the page's number for it, sent back with the answer
    QString window;     // not for uploads
    QString control;    // click, pick, type
    QString value;      // the entry picked, the text typed, the uploaded file's name
    QByteArray content; // the uploaded file's bytes
};

// Why a message was refused, with the page's number for it when it had a readable one.
struct GestureError {
    std::optional<qint64> id;
    QString message;
};

using ReadGesture = std::variant<Gesture, GestureError>;

// Reads and checks a text message: a JSON object with a known type and every field that
// type needs, each of the right type.
ReadGesture readGesture(const QByteArray &message);
// Reads and checks a binary message: an upload.
ReadGesture readUpload(const QByteArray &message);

} // namespace korvalde::web
