// `momentart history`: the newest pictures the window has made, from the
// recipe files its history keeps, each with the file that makes it again.
#pragma once

#include <QStringList>
#include <QTextStream>

namespace momentart {

QString historyHelp();

int historyCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace momentart
