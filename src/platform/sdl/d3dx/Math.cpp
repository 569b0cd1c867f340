#include <cmath>

#include "../../D3DX.h"

UINT D3DXGetRuntimeVersion() { return D3DX_SDK_VERSION; }

D3DXMATRIX* D3DXMatrixIdentity(D3DXMATRIX* out)
{
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) out->m[r][c] = r == c ? 1.0f : 0.0f;
    }
    return out;
}

D3DXMATRIX* D3DXMatrixMultiply(D3DXMATRIX* out, const D3DXMATRIX* a, const D3DXMATRIX* b)
{
    D3DXMATRIX r;
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a->m[i][k] * b->m[k][j];
            r.m[i][j] = sum;
        }
    }
    *out = r;
    return out;
}

namespace {

// 2-D affine transforms as a 2x2 part and a translation, row-vector convention.
struct Affine {
    float a = 1, b = 0, c = 0, d = 1; // x' = x*a + y*c + tx, y' = x*b + y*d + ty
    float tx = 0, ty = 0;
};

Affine then(const Affine& first, const Affine& second)
{
    Affine r;
    r.a = first.a * second.a + first.b * second.c;
    r.b = first.a * second.b + first.b * second.d;
    r.c = first.c * second.a + first.d * second.c;
    r.d = first.c * second.b + first.d * second.d;
    r.tx = first.tx * second.a + first.ty * second.c + second.tx;
    r.ty = first.tx * second.b + first.ty * second.d + second.ty;
    return r;
}

Affine translation(float x, float y)
{
    Affine t;
    t.tx = x;
    t.ty = y;
    return t;
}

// Positive angles turn clockwise on a screen whose y grows downwards.
Affine rotation(float angle)
{
    Affine r;
    r.a = std::cos(angle);
    r.b = std::sin(angle);
    r.c = -r.b;
    r.d = r.a;
    return r;
}

Affine scaling(float sx, float sy)
{
    Affine s;
    s.a = sx;
    s.d = sy;
    return s;
}

} // namespace

D3DXMATRIX* D3DXMatrixTransformation2D(D3DXMATRIX* out, const D3DXVECTOR2* scalingCenter, float scalingRotation,
                                       const D3DXVECTOR2* scalingVector, const D3DXVECTOR2* rotationCenter, float angle,
                                       const D3DXVECTOR2* translationVector)
{
    const D3DXVECTOR2 sc = scalingCenter ? *scalingCenter : D3DXVECTOR2{};
    const D3DXVECTOR2 rc = rotationCenter ? *rotationCenter : D3DXVECTOR2{};
    const D3DXVECTOR2 t = translationVector ? *translationVector : D3DXVECTOR2{};
    Affine m = translation(-sc.x, -sc.y);
    if (scalingVector) {
        m = then(m, rotation(-scalingRotation));
        m = then(m, scaling(scalingVector->x, scalingVector->y));
        m = then(m, rotation(scalingRotation));
    }
    m = then(m, translation(sc.x - rc.x, sc.y - rc.y));
    m = then(m, rotation(angle));
    m = then(m, translation(rc.x + t.x, rc.y + t.y));
    D3DXMatrixIdentity(out);
    out->m[0][0] = m.a;
    out->m[0][1] = m.b;
    out->m[1][0] = m.c;
    out->m[1][1] = m.d;
    out->m[3][0] = m.tx;
    out->m[3][1] = m.ty;
    return out;
}

D3DXVECTOR2* D3DXVec2Normalize(D3DXVECTOR2* out, const D3DXVECTOR2* v)
{
    const float length = std::sqrt(v->x * v->x + v->y * v->y);
    if (length == 0.0f) {
        *out = D3DXVECTOR2{0, 0};
    } else {
        *out = D3DXVECTOR2{v->x / length, v->y / length};
    }
    return out;
}
