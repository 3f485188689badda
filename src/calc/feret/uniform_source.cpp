// SPDX-FileCopyrightText: 2026 chemeng-calc contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/feret/uniform_source.h"

namespace feret {

UniformSource& processUniformSource()
{
    static UniformSource source;
    return source;
}

} // namespace feret
