// The two tests that decide which tags a part file gets.
#include "engine/Id3TagInfo.h"

bool TId3TagInfo::WantsId3v1Tag() const
{
    return createTag && (version == EId3v1 || version == EId3v1AndV2);
}

bool TId3TagInfo::WantsId3v2Tag() const
{
    return createTag && (version == EId3v2 || version == EId3v1AndV2);
}
