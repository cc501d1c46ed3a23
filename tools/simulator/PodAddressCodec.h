#pragma once

#include <QStringList>

namespace sim {

// Stored rooms name the simulator's own pods, whose ports change with every run. Saved data and
// demo files therefore write a pod address as "{pod:N}" (N counting from 0), and reading turns it
// back into this run's address.
class PodAddressCodec {
public:
    explicit PodAddressCodec(QStringList podAddresses);

    // This run's pod addresses to placeholders.
    QString encode(const QString& text) const;
    // Placeholders to this run's pod addresses; placeholders of pods that do not exist stay.
    QString decode(const QString& text) const;

private:
    QStringList podAddresses;
};

} // namespace sim
