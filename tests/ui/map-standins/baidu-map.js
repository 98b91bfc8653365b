// Stand-in for the China map library in the page tests: the objects and calls the map page uses,
// keeping their state where the tests can read it back.
(function () {
  function Point(lng, lat) { this.lng = lng; this.lat = lat; }

  function Map(container) { this.container = container; this.overlays = []; this.controls = []; }
  Map.prototype.centerAndZoom = function (p, zoom) { this.center = p; this.zoom = zoom; };
  Map.prototype.getZoom = function () { return this.zoom; };
  Map.prototype.addControl = function (c) { this.controls.push(c); };
  Map.prototype.enableScrollWheelZoom = function () { this.wheel = true; };
  Map.prototype.enableKeyboard = function () { this.keyboard = true; };
  Map.prototype.addOverlay = function (o) { this.overlays.push(o); };
  Map.prototype.removeOverlay = function (o) {
    var i = this.overlays.indexOf(o);
    if (i >= 0)
      this.overlays.splice(i, 1);
  };

  function Marker(p) { this._position = p; }
  Marker.prototype.getPosition = function () { return this._position; };

  function Polyline(points, options) { this._points = points.slice(); this.options = options; }
  Polyline.prototype.setPath = function (points) { this._points = points.slice(); };
  Polyline.prototype.getPath = function () { return this._points; };

  function NavigationControl(options) { this.options = options; }

  window.BMap = { Point: Point, Map: Map, Marker: Marker, Polyline: Polyline,
                  NavigationControl: NavigationControl };
  window.BMAP_NAVIGATION_CONTROL_LARGE = 3;
})();
