#include "analyzer/NDryer.h"

#include "analyzer/CommandCodes.h"

#include <QThread>

namespace KD {
namespace Communication {

NDryer::NDryer(QThread* thread) : QObject(nullptr), m_engine(this), m_creator(this), m_handler(this)
{
    connect(&m_parser, &DryerLineParser::recordAppeared, this, &NDryer::onRecordAppeared);
    connect(&m_parser, &DryerLineParser::dryingStart, this, &NDryer::onDryingStart);
    connect(&m_parser, &DryerLineParser::dryingStop, this, &NDryer::onDryingStop);

    m_engine.setLineHandler(&m_parser);
    m_engine.setCommandCreator(&m_creator);
    m_engine.setCommandHandler(&m_handler);

    connect(&m_handler, &KDCommandHandler::recordAppeared, this, &NDryer::onRecordAppeared);
    connect(&m_handler, &KDCommandHandler::dryingStart, this, &NDryer::dryingStart);
    connect(&m_handler, &KDCommandHandler::commandFinished, this, &NDryer::commandFinished);

    if (thread) {
        // The parser has no parent, so it does not follow the facade by itself.
        m_parser.moveToThread(thread);
        moveToThread(thread);
    }
}

bool NDryer::sendCommand(int code)
{
    return m_engine.scheduleCommand(CommandRequest{code, QVariant()});
}

bool NDryer::sendCommandInt(int code, int value)
{
    return m_engine.scheduleCommand(CommandRequest{code, QVariant(value)});
}

bool NDryer::startDrying() { return sendCommand(Code::StartDrying); }
bool NDryer::stopDrying() { return sendCommand(Code::StopDrying); }

bool NDryer::loadMainTemperature() { return sendCommand(Code::LoadMainTemperature); }
bool NDryer::loadWorkMode() { return sendCommand(Code::LoadWorkMode); }
bool NDryer::loadCalcFormula() { return sendCommand(Code::LoadCalcFormula); }
bool NDryer::loadSamplesQuantity() { return sendCommand(Code::LoadSamplesQuantity); }
bool NDryer::loadSamplingTime() { return sendCommand(Code::LoadSamplingTime); }
bool NDryer::loadDryingTime() { return sendCommand(Code::LoadDryingTime); }
bool NDryer::loadDryingProfile() { return sendCommand(Code::LoadDryingProfile); }

bool NDryer::setMainTemperature(int value)
{
    return sendCommandInt(Code::SetMainTemperature, value);
}
bool NDryer::setWorkMode(int value) { return sendCommandInt(Code::SetWorkMode, value); }
bool NDryer::setCalcFormula(int value) { return sendCommandInt(Code::SetCalcFormula, value); }
bool NDryer::setSamplesQuantity(int value)
{
    return sendCommandInt(Code::SetSamplesQuantity, value);
}
bool NDryer::setSamplingTime(int seconds) { return sendCommandInt(Code::SetSamplingTime, seconds); }
bool NDryer::setDryingTime(int seconds) { return sendCommandInt(Code::SetDryingTime, seconds); }
bool NDryer::setDryingProfile(int value) { return sendCommandInt(Code::SetDryingProfile, value); }

bool NDryer::copyCurrentToSlot(int slotNumber)
{
    return sendCommandInt(Code::CopyCurrentToSlot, slotNumber);
}
bool NDryer::copySlotToCurrent(int slotNumber)
{
    return sendCommandInt(Code::CopySlotToCurrent, slotNumber);
}

bool NDryer::loadSlowTime() { return sendCommand(Code::LoadSlowTime); }
bool NDryer::loadStepTime1() { return sendCommand(Code::LoadStepTime1); }
bool NDryer::loadStepTime2() { return sendCommand(Code::LoadStepTime2); }
bool NDryer::loadStepTemperature1() { return sendCommand(Code::LoadStepTemperature1); }
bool NDryer::loadStepTemperature2() { return sendCommand(Code::LoadStepTemperature2); }
bool NDryer::loadFastTime() { return sendCommand(Code::LoadFastTime); }
bool NDryer::loadFastTemperature() { return sendCommand(Code::LoadFastTemperature); }

bool NDryer::setSlowTime(int seconds) { return sendCommandInt(Code::SetSlowTime, seconds); }
bool NDryer::setStepTime1(int seconds) { return sendCommandInt(Code::SetStepTime1, seconds); }
bool NDryer::setStepTime2(int seconds) { return sendCommandInt(Code::SetStepTime2, seconds); }
bool NDryer::setStepTemperature1(int value)
{
    return sendCommandInt(Code::SetStepTemperature1, value);
}
bool NDryer::setStepTemperature2(int value)
{
    return sendCommandInt(Code::SetStepTemperature2, value);
}
bool NDryer::setFastTime(int seconds) { return sendCommandInt(Code::SetFastTime, seconds); }
bool NDryer::setFastTemperature(int value)
{
    return sendCommandInt(Code::SetFastTemperature, value);
}

void NDryer::onRecordAppeared(Measurement m) { emit recordAppeared(m); }

void NDryer::onDryingStart(bool started, Measurement initial, int interval)
{
    emit dryingStart(started, interval);
    if (started)
        emit recordAppeared(initial);
}

void NDryer::onDryingStop() { emit dryingStop(); }

} // namespace Communication
} // namespace KD
