#include "literature/literature.h"

#include "ui_main_window.h"

namespace tarvek {

Literature::Literature(Ui::frmTarvekProducts& form) : ui(form) {}

}  // namespace tarvek
