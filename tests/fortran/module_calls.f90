! Calls through the module against a real window process and checks what comes back:
! DOUBLE PRECISION outputs carry the 32-bit values the library holds and keep their own
! value where the library leaves them alone, texts come back blank-padded, flags and the
! window forms reach the library. Prints each failed check and ends with status 1.
! A plot transform in a module (an internal procedure would need an executable stack).
module swapping
  use, intrinsic :: iso_c_binding, only: c_double, c_ptr, c_f_pointer
  implicit none
  integer :: calls = 0
contains
  ! Swaps x and y and moves them by the shift that data points to.
  subroutine swapped(x, y, tx, ty, data) bind(C)
    real(c_double), intent(in) :: x, y
    real(c_double), intent(inout) :: tx, ty
    type(c_ptr), value :: data
    real(c_double), pointer :: by
    call c_f_pointer(data, by)
    tx = y + by
    ty = x + by
    calls = calls + 1
  end subroutine swapped
end module swapping

program module_calls
  use, intrinsic :: iso_c_binding, only: c_double, c_loc
  use lumora
  use swapping
  implicit none
  integer :: ir, iw, k, failures, dx, dy, ex, ey
  real :: r(4), record_r(6)
  double precision :: d(4), record_d(6), px, py
  character(len=40) :: text
  real :: z(6, 4), levels(3)
  double precision :: zd(6, 4)
  integer :: items, before, room, words
  real :: sx(5), sy(5), sz(5), xg(3), yg(2), g(3, 2)
  double precision :: gd(3, 2)
  integer :: i, j
  real(c_double), target :: shift

  failures = 0
  call lu_open_window(iw, 0)
  call check(iw > 0, 'lu_open_window gives a window')

  call lu_set_world(ir, 0.1d0, 0.2d0, 10.1d0, 20.2d0)
  call check(ir == iw, 'lu_set_world with DOUBLE PRECISION corners')
  call lu_get_world(ir, r(1), r(2), r(3), r(4))
  call lu_get_world(ir, d(1), d(2), d(3), d(4))
  call check(all(r == [real(0.1d0), real(0.2d0), real(10.1d0), real(20.2d0)]), &
             'the world holds the corners as 32-bit reals')
  call check(all(d == dble(r)), 'DOUBLE PRECISION outputs receive those reals')

  ! No drawing position yet: the outputs are left alone, with all their digits.
  px = 0.123456789012345d0
  py = -7.000000000001d0
  call lu_get_position(ir, px, py)
  call check(ir == 0, 'no position before drawing')
  call check(px == 0.123456789012345d0 .and. py == -7.000000000001d0, &
             'outputs the library does not write keep their value')
  call lu_move_to(ir, 1.0d0, 2.0d0)
  call lu_get_position(ir, px, py)
  call check(ir == iw, 'a position after a move')
  call lu_world_to_device(ir, 1.0d0, 2.0d0, dx, dy)
  call lu_world_to_device(ir, 1.0, 2.0, ex, ey)
  call check(dx == ex .and. dy == ey, 'the same device point from REAL and DOUBLE PRECISION')

  record_r = [0.0, 1.0, 0.0, 0.0, 0.0, 1.0]
  record_d = dble(record_r)
  call lu_set_transform(ir, record_d)
  call lu_get_transform(ir, record_r)
  call lu_get_transform(ir, record_d)
  call check(ir > 0 .and. all(record_d == dble(record_r)), 'a transform record both ways')

  text = 'x'
  call lu_get_library_info(ir, 2, text)
  call check(ir == 16, 'lu_get_library_info gives the length')
  call check(text == 'Version  0.99.9a', 'the text comes back blank-padded')

  ! A field Z(NX, NY) with levels L(N), REAL or DOUBLE PRECISION, and sizes of either kind.
  z = reshape([(real(k), k = 1, 24)], [6, 4])
  zd = dble(z)
  levels = [5.0, 10.0, 15.0]
  k = lu_query_b1_in_window(iw, before, room, words, 3)
  call lu_fill_contours(ir, z, 6, 4, 0.0, 0.0, 1.0, 1.0, levels, 3)
  call check(ir == iw, 'lu_fill_contours: a rank-2 field with rank-1 levels')
  call lu_fill_contours(ir, zd, 6, 4, 0.0, 0.0, 1.0, 1.0, dble(levels), 3)
  call check(ir == iw, 'lu_fill_contours: DOUBLE PRECISION field and levels, REAL corners')
  call lu_draw_contours(ir, z, 6, 4, 0.0d0, 0.0d0, 1.0d0, 1.0d0, levels, 3, 0)
  call check(ir == iw, 'lu_draw_contours: a REAL field with DOUBLE PRECISION corners')
  call lu_draw_colour_bar(ir, 0.02d0, 0.04d0, levels, 3)
  call check(ir == iw, 'lu_draw_colour_bar: DOUBLE PRECISION gap and width, REAL levels')
  call lu_set_arrow_style(ir, 0, 6, [-0.5d0, 0.3d0, 0.3d0, 0.5d0, 0.3d0, 0.3d0], &
                          [0.0d0, 0.0d0, 0.2d0, 0.0d0, -0.2d0, 0.0d0], 1, 0.0)
  call check(ir == iw, 'lu_set_arrow_style: DOUBLE PRECISION points, a REAL head')
  call lu_draw_vectors(ir, z, z, 6, 4, 0.0, 0.0, 1.0, 1.0, 0.0)
  call check(ir == iw, 'lu_draw_vectors in the style set')
  call lu_draw_vector_key(ir, 0.1d0, 0.9d0, 10.0d0, LU_KEY_NORMALIZED)
  call check(ir == iw, 'lu_draw_vector_key: DOUBLE PRECISION position and value')
  k = lu_query_b1_in_window(iw, items, room, words, 3)
  call check(items >= before + 6, 'the fields and arrows were drawn')

  ! Samples of the plane x + 10 y gridded into G(3, 2): G(I, J) at (XG(I), YG(J)).
  sx = [0.0, 1.0, 1.0, 0.0, 0.25]
  sy = [0.0, 0.0, 1.0, 1.0, 0.5]
  sz = sx + 10.0 * sy
  xg = [0.1, 0.5, 0.9]
  yg = [0.2, 0.7]
  call lu_grid_data(ir, sx, sy, sz, 5, xg, 3, yg, 2, LU_GRID_LINEAR, 0.0, g)
  call check(ir == 1, 'lu_grid_data grids')
  call lu_grid_data(ir, dble(sx), dble(sy), dble(sz), 5, dble(xg), 3, dble(yg), 2, &
                    LU_GRID_NATURAL, 0.0d0, gd)
  call check(ir == 1, 'lu_grid_data grids DOUBLE PRECISION samples')
  do j = 1, 2
    do i = 1, 3
      call check(abs(g(i, j) - (xg(i) + 10.0 * yg(j))) < 1e-5, &
                 'lu_grid_data writes G(I, J) at (XG(I), YG(J))')
    end do
  end do
  call check(all(abs(gd - dble(g)) < 1d-5), 'the DOUBLE PRECISION grid is the same plane')

  k = lu_draw_line_in_window(iw, 0, 0, 50, 50)
  call check(k > 0, 'a window form draws')
  k = lu_draw_text_in_window(iw, 10, 10, 'text    ')
  call check(k > 0, 'a window form takes a text')
  call check(lu_make_rgb_colour(1, 2, 3) == 33751553, 'a function value')
  call check(abs(lu_get_largest_real() - huge(1.0)) == 0.0, 'a REAL function value')

  ! A plot transform: a Fortran subroutine, with data by its address; then a code.
  calls = 0
  shift = 0.5d0
  call lu_plot_frame(ir, 0.0, 10.0, 0.0, 10.0, 0)
  call lu_set_plot_transform(ir, swapped, c_loc(shift))
  call check(ir == iw, 'lu_set_plot_transform takes a bind(C) subroutine')
  call lu_plot_line(ir, 3, [1.0, 2.0, 3.0], [4.0, 5.0, 9.0])
  call check(ir == iw .and. calls >= 3, 'the line went through the subroutine')
  call lu_set_plot_transform_code(ir, LU_TRANSFORM_POLAR, 360.0d0, 0.0d0)
  call check(ir == iw, 'lu_set_plot_transform_code with DOUBLE PRECISION parameters')
  call lu_set_plot_transform_code(ir, 0, 0.0, 0.0)
  call check(ir == iw, 'code 0 turns the transform off')
  k = calls
  call lu_plot_line(ir, 2, [1.0, 2.0], [4.0, 5.0])
  call check(calls == k, 'the subroutine is no longer called')

  ! The opacity, REAL or DOUBLE PRECISION; a colour taken apart and built again.
  call lu_set_alpha(ir, 0.5)
  call check(ir == iw, 'lu_set_alpha with a REAL')
  call lu_set_alpha(ir, 1.0d0)
  call check(ir == iw, 'lu_set_alpha with a DOUBLE PRECISION')
  call lu_set_alpha(ir, 1.5)
  call check(ir == 0, 'an opacity beyond 1 is refused')
  call check(lu_set_alpha_in_window(iw, 0.25) == iw, 'lu_set_alpha_in_window')
  call lu_colour_to_hls(ir, lu_make_rgb_colour(0, 0, 128), r(1), r(2), r(3))
  call check(ir == 1 .and. abs(r(1) - 240.0) < 0.01 .and. abs(r(3) - 1.0) < 0.01, &
             'lu_colour_to_hls gives the hue and saturation')
  call check(lu_hls_colour(r(1), r(2), r(3)) == lu_make_rgb_colour(0, 0, 128), &
             'and lu_hls_colour builds the colour again')
  call lu_colour_to_hsv(ir, lu_make_rgb_colour(0, 0, 128), d(1), d(2), d(3))
  call check(ir == 1 .and. abs(d(3) - 128d0 / 255d0) < 1d-6, 'lu_colour_to_hsv into DOUBLE PRECISION')

  call lu_quit_with_flag(ir, .false.)
  call check(ir /= 0, 'lu_quit_with_flag takes a LOGICAL')
  if (failures > 0) stop 1

contains

  subroutine check(ok, what)
    logical, intent(in) :: ok
    character(len=*), intent(in) :: what
    if (ok) return
    write (0, '(a, a)') 'module_calls: failed: ', what
    failures = failures + 1
  end subroutine check

end program module_calls
