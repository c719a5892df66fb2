! surfaces: a height field as a surface in the colours of its height with a colour bar,
! and as a mesh with its hidden lines left out, on two subpages: the page of
! examples/c/surfaces.c, in free-form Fortran with the module lumora. Z(I, J) stands over
! X(I), Y(J), as the reference forms take it. Every call is checked: a failed one ends the
! program with status 1.
program surfaces
  use lumora
  implicit none
  integer, parameter :: nx = 40, ny = 32
  real :: x(nx), y(ny), z(nx, ny)
  integer :: ir, i, j

  do i = 1, nx
    x(i) = -2.0 + 4.0 * real(i - 1) / real(nx - 1)
  end do
  do j = 1, ny
    y(j) = -2.0 + 4.0 * real(j - 1) / real(ny - 1)
  end do
  do j = 1, ny
    do i = 1, nx
      z(i, j) = height(x(i), y(j))
    end do
  end do

  call lu_open_window(ir, 0)
  call check(ir, 'lu_open_window')
  call lu_plot_subpages(ir, 2, 1)
  call check(ir, 'lu_plot_subpages')

  call stage('A surface, coloured by height', 40.0)
  call lu_set_colour_map(ir, LU_MAP_VIRIDIS, -0.6, 1.1)
  call check(ir, 'lu_set_colour_map')
  call lu_set_pen(ir, lu_make_rgb_colour(70, 70, 70), 0, 1, -1)
  call lu_plot_surface3d(ir, z, nx, ny, x, y, LU_SURFACE_FACETS)
  call check(ir, 'lu_plot_surface3d')
  call lu_draw_colour_bar_labelled(ir, 0.02, 0.025, z, 0, 0, 'z')
  call check(ir, 'lu_draw_colour_bar_labelled')

  call stage('A mesh, hidden lines removed', -50.0)
  call lu_set_pen(ir, lu_make_rgb_colour(30, 60, 170), 0, 1, -1)
  call lu_plot_mesh3d(ir, z, nx, ny, x, y, LU_MESH_X + LU_MESH_Y)
  call check(ir, 'lu_plot_mesh3d')
  call lu_quit(ir)

contains

  ! Two hills and a hollow over -2 ... 2 by -2 ... 2.
  real function height(u, v)
    real, intent(in) :: u, v
    height = exp(-(u - 0.8)**2 - (v - 0.6)**2) + 0.7 * exp(-2 * ((u + 0.9)**2 + (v + 0.5)**2)) &
             - 0.5 * exp(-3 * ((u + 0.3)**2 + (v - 1.2)**2))
  end function height

  ! The frame and the view of one subpage, with its box and title.
  subroutine stage(title, azimuth)
    character(*), intent(in) :: title
    real, intent(in) :: azimuth
    call lu_plot_frame(ir, -1.0, 1.0, -0.9, 1.1, LU_PLOT_NO_BOX)
    call check(ir, 'lu_plot_frame')
    call lu_plot_view3d(ir, 1.2, 1.2, 0.8, -2.0, 2.0, -2.0, 2.0, -0.6, 1.1, 35.0, azimuth, 0)
    call check(ir, 'lu_plot_view3d')
    call lu_plot_box3d(ir, 'bnts', 'x', 0.0, 0, 'bnts', 'y', 0.0, 0, 'bcnst', 'z', 0.0, 0)
    call check(ir, 'lu_plot_box3d')
    call lu_plot_labels(ir, ' ', ' ', title)
    call check(ir, 'lu_plot_labels')
  end subroutine stage

  subroutine check(result, what)
    integer, intent(in) :: result
    character(*), intent(in) :: what
    if (result == 0) then
      write (*, '(a, a)') 'surfaces_f90: failed: ', what
      stop 1
    end if
  end subroutine check

end program surfaces
