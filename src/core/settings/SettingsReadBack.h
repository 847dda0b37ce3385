#pragma once

#include "core/file/AtomicFile.h"
#include "core/model/SettingsDocument.h"

enum class ReadBackStatus {
    Same, // the medium holds what was meant, and it loads with the same values
    Unreadable, // it could not be read back; `reason` says why
    BytesDiffer, // the bytes on the medium are not the bytes written
    ValuesDiffer, // the reader reports a problem, or loads other values than the document's
};

struct ReadBackResult
{
    ReadBackStatus status = ReadBackStatus::Same;
    QString reason;

    explicit operator bool() const { return status == ReadBackStatus::Same; }
};

// Reads the settings file at `path` back from its medium (its cached pages dropped first, so that
// the bytes come from the card and not from memory), compares them with `meant` byte for byte and
// loads them with the settings reader, which must report nothing and give `document`'s values.
ReadBackResult CheckWrittenSettings(
    const QString &path, const QByteArray &meant, const CSettingsDocument &document);

struct VerifiedWriteResult
{
    FileWriteResult write;
    ReadBackResult readBack;

    explicit operator bool() const { return bool(write) && bool(readBack); }
};

// WriteSettingsFile, then CheckWrittenSettings on what it wrote: a success means the file on
// the medium is the one meant.
VerifiedWriteResult WriteVerifiedSettingsFile(
    CSettingsDocument &document, const QString &path, IFileSteps &steps = DefaultFileSteps());

// The detail under a failed write's message: WriteFailureDetail, or what the read-back found.
QString VerifiedWriteFailureDetail(const VerifiedWriteResult &result);
