#include "settings/StandardProfile.h"

#include "ui_StandardProfile.h"

StandardProfile::StandardProfile(QWidget* parent) : QWidget(parent), ui(new Ui::StandardProfile)
{
    ui->setupUi(this);
}

StandardProfile::~StandardProfile() { delete ui; }
