#include "analyzer/CommandsDescProvider.h"

#include "analyzer/CommandCodes.h"

namespace KD {

namespace Code = Communication::Code;

CommandsDescProvider::CommandsDescProvider(QObject* parent) : QObject(parent) { }

QString CommandsDescProvider::description(int code) const
{
    switch (code) {
    case Code::Echo: return tr("Echo");
    case Code::DeviceInfo: return tr("Get device info");
    case Code::StartDrying: return tr("Start drying");
    case Code::StopDrying: return tr("Stop drying");
    case Code::SetMainTemperature: return tr("Set main temperature");
    case Code::SetWorkMode: return tr("Set work mode");
    case Code::SetCalcFormula: return tr("Set humidity calculation formula");
    case Code::SetSamplesQuantity: return tr("Set qualifying samples count");
    case Code::SetSamplingTime: return tr("Set sampling time");
    case Code::SetDryingTime: return tr("Set drying time");
    case Code::SetDryingProfile: return tr("Set drying profile");
    case Code::CopyCurrentToSlot: return tr("Write to memory slot");
    case Code::CopySlotToCurrent: return tr("Read from memory slot");
    case Code::LoadMainTemperature: return tr("Load main temperature");
    case Code::LoadWorkMode: return tr("Load work mode");
    case Code::LoadCalcFormula: return tr("Load humidity calculation formula");
    case Code::LoadSamplesQuantity: return tr("Load qualifying samples count");
    case Code::LoadSamplingTime: return tr("Load sampling time");
    case Code::LoadDryingTime: return tr("Load drying time");
    case Code::LoadDryingProfile: return tr("Load drying profile");
    case Code::SetSlowTime: return tr("Set slow profile parameter: drying time");
    case Code::SetStepTime1: return tr("Set step profile parameter: step 1 time");
    case Code::SetStepTime2: return tr("Set step profile parameter: step 2 time");
    case Code::SetStepTemperature1: return tr("Set step profile parameter: step 1 temperature");
    case Code::SetStepTemperature2: return tr("Set step profile parameter: step 2 temperature");
    case Code::SetFastTime: return tr("Set fast profile parameter: time");
    case Code::SetFastTemperature: return tr("Set fast profile parameter: temperature");
    case Code::LoadSlowTime: return tr("Load slow profile parameter: drying time");
    case Code::LoadStepTime1: return tr("Load step profile parameter: step 1 time");
    case Code::LoadStepTime2: return tr("Load step profile parameter: step 2 time");
    case Code::LoadStepTemperature1: return tr("Load step profile parameter: step 1 temperature");
    case Code::LoadStepTemperature2: return tr("Load step profile parameter: step 2 temperature");
    case Code::LoadFastTime: return tr("Load fast profile parameter: time");
    case Code::LoadFastTemperature: return tr("Load fast profile parameter: temperature");
    default: return QString();
    }
}

} // namespace KD
