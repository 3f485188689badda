#include "calc/feret/uniform_source.h"

namespace feret {

UniformSource& processUniformSource()
{
    static UniformSource source;
    return source;
}

} // namespace feret
