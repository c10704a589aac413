#pragma once

#include <QByteArray>
#include <QImage>

#include <memory>

// Decodes a PNG held in memory into an opaque RGB32 picture from the top down, as far as it is
// asked to, so that rows nobody has needed yet cost neither time nor memory. An interlaced PNG is
// decoded whole at the first request.
class TPngRowReader {
public:
    // Reads the header; Failed() when the data is no PNG. The picture carries the pixel ratio given.
    TPngRowReader(QByteArray data, qreal pixelRatio);
    ~TPngRowReader();
    TPngRowReader(const TPngRowReader&) = delete;
    TPngRowReader& operator=(const TPngRowReader&) = delete;

    // Decodes on until `rows` rows (at most all of them) are done; false once the data has proved
    // damaged.
    bool DecodeRows(int rows);
    int DecodedRows() const;
    bool Failed() const;
    // At its full size from the start; the rows not yet decoded hold no picture.
    const QImage& Picture() const;

private:
    struct TState;
    std::unique_ptr<TState> State;
};
