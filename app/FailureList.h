#pragma once
// The batch's brain failures in a dialog the user can read, scroll and copy from.
#include <string>
#include <vector>

class QWidget;

void ShowFailureList(QWidget* parent, const std::vector<std::string>& failures);
