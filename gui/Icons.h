#pragma once

#include <QIcon>

// The program's icon resources, built in through the Qt resource system.

// Icon resource nResource at every size it is drawn in; null for an unknown resource. The images
// are read once per application and shared by every caller after that.
QIcon IconForResource(int nResource);

// The same, read afresh from the resources on every call: what the first call above costs.
QIcon LoadIconResource(int nResource);
