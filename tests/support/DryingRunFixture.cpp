#include "tests/support/DryingRunFixture.h"

DryingRunFixture::DryingRunFixture() = default;

void DryingRunFixture::addRecords(const QList<QPair<int, double>>& records)
{
    for (const auto& record : records)
        receiver.receive(record.first, record.second);
}
