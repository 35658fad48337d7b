// The model inside a PGDAF file, read by this program's own code for the
// thumbnailer.

#include "PgdafReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <algorithm>

namespace {} // namespace

bool LooksLikePgdaf(const QByteArray& head) {
    return head.startsWith(QByteArray(Pgdaf::Magic, sizeof Pgdaf::Magic));
}

std::optional<PgdafModel> ReadPgdafFile(const QString& path, QString* why) {
    auto fail = [&](const QString& reason) -> std::optional<PgdafModel> {
        if (why) *why = reason;
        return std::nullopt;
    };
    if (!QFileInfo(path).isFile())
        return fail(QCoreApplication::translate("PgdafReader", "not a regular file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(file.errorString());
    const qint64 size = file.size();
    const QByteArray head = file.read(Pgdaf::HeaderSize);
    if (!LooksLikePgdaf(head))
        return fail(QCoreApplication::translate("PgdafReader",
                                                "not a PGDAF file (no \"PGDAF\" at its start)"));
    if (head.size() < Pgdaf::HeaderSize)
        return fail(
            QCoreApplication::translate("PgdafReader", "the header is cut short: %1 of %2 bytes")
                .arg(head.size())
                .arg(Pgdaf::HeaderSize));
    // The lengths of body, fin, eye and mesh, one after the other.
    qint64 lengths[4];
    qint64 total = Pgdaf::HeaderSize;
    for (int k = 0; k < 4; ++k) {
        lengths[k] = qFromLittleEndian<quint32>(head.constData() + Pgdaf::BodyLengthOffset + 4 * k);
        total += lengths[k];
    }
    if (total != size)
        return fail(QCoreApplication::translate(
                        "PgdafReader", "the header's lengths make %1 bytes, the file has %2")
                        .arg(total)
                        .arg(size));
    const qint64 body = lengths[0], mesh = lengths[3];
    if (mesh == 0)
        return fail(QCoreApplication::translate("PgdafReader", "the file holds no mesh"));
    if (mesh > Pgdaf::MaxMeshBytes)
        return fail(QCoreApplication::translate(
                        "PgdafReader", "the mesh is %1 bytes, far longer than any PGX file")
                        .arg(mesh));
    PgdafModel model;
    if (!file.seek(size - mesh)) return fail(file.errorString());
    model.mesh = file.read(mesh);
    if (model.mesh.size() != mesh)
        return fail(QCoreApplication::translate("PgdafReader", "the mesh cannot be read: %1")
                        .arg(file.errorString()));
    if (body > 0 && body <= Pgdaf::MaxTextureBytes) {
        if (!file.seek(Pgdaf::HeaderSize)) return fail(file.errorString());
        model.bodyTexture = file.read(body);
        if (model.bodyTexture.size() != body)
            return fail(
                QCoreApplication::translate("PgdafReader", "the body texture cannot be read: %1")
                    .arg(file.errorString()));
    }
    return model;
}
